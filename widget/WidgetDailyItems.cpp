// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/WidgetDailyItems.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace {

struct Fold
{
    char32_t letter;
    std::string_view slug;
};

// What the slug makes of the characters of the French names, once lowered.
constexpr Fold folds[] = {{U' ', "_"}, {U'\'', ""}, {U'é', "e"}, {U'è', "e"}, {U'ê', "e"},
                          {U'ë', "e"}, {U'à', "a"}, {U'â', "a"}, {U'î', "i"}, {U'ï', "i"},
                          {U'ô', "o"}, {U'û', "u"}, {U'ù', "u"}, {U'ç', "c"}, {U'œ', "oe"}};

// The lower case of the capitals the names can hold: ASCII, Latin-1 (but ×) and Œ.
char32_t lowered(char32_t letter)
{
    if ((letter >= U'A' && letter <= U'Z') || (letter >= 0xC0 && letter <= 0xDE && letter != 0xD7)) {
        return letter + 0x20;
    }
    return letter == 0x152 ? 0x153 : letter;
}

} // namespace

std::string WidgetDailyItem::imageName() const
{
    char number[24];
    std::snprintf(number, sizeof number, "day_%03lld_", static_cast<long long>(dayOfYear));
    std::string slug = number;
    for (std::size_t i = 0; i < frenchName.size();) {
        const auto lead = static_cast<unsigned char>(frenchName[i]);
        const std::size_t length = std::min<std::size_t>(lead < 0x80   ? 1
                                                         : lead < 0xE0 ? 2
                                                         : lead < 0xF0 ? 3
                                                                       : 4,
                                                         frenchName.size() - i);
        char32_t letter = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            letter = (letter << 6) | (static_cast<unsigned char>(frenchName[i + k]) & 0x3F);
        }
        const char32_t lower = lowered(letter);
        const auto fold =
            std::find_if(std::begin(folds), std::end(folds), [&](const Fold& f) { return f.letter == lower; });
        if (fold != std::end(folds)) {
            slug += fold->slug;
        } else if (lower == letter) {
            slug.append(frenchName, i, length);
        } else if (lower < 0x80) {
            slug += static_cast<char>(lower);
        } else { // every lowered letter above fits in two bytes
            slug += static_cast<char>(0xC0 | (lower >> 6));
            slug += static_cast<char>(0x80 | (lower & 0x3F));
        }
        i += length;
    }
    return slug;
}

namespace WidgetDailyItems {

std::optional<WidgetDailyItem> item(const WidgetRevolutionaryDate& date)
{
    // A date made by hand may hold any numbers. Below this bound no day can bring the month
    // back into the year, and above it the sum is checked.
    if (date.month > 12 || date.month < 1 - INT64_MAX / 30) {
        return std::nullopt;
    }
    std::int64_t dayOfYear = (date.month - 1) * 30;
    if (__builtin_add_overflow(dayOfYear, date.day, &dayOfYear) || dayOfYear < 1 || dayOfYear > 360) {
        return std::nullopt;
    }
    WidgetDailyItem found = allItems[static_cast<std::size_t>(dayOfYear - 1)];
    found.dayOfYear = dayOfYear;
    return found;
}

// name, frenchName, emoji, category
const std::array<WidgetDailyItem, 360> allItems{{
    // Vendémiaire
    {"Grape", "Raisin", "🍇", "Plant"},
    {"Saffron", "Safran", "🌸", "Plant"},
    {"Chestnut", "Châtaigne", "🌰", "Plant"},
    {"Crocus", "Colchique", "💜", "Plant"},
    {"Horse", "Cheval", "🐴", "Animal"},
    {"Balsam", "Balsamine", "🌺", "Plant"},
    {"Carrot", "Carotte", "🥕", "Plant"},
    {"Amaranth", "Amarante", "🌾", "Plant"},
    {"Parsnip", "Panais", "🥬", "Plant"},
    {"Vat", "Cuve", "🛢️", "Tool"},
    {"Potato", "Pomme de terre", "🥔", "Plant"},
    {"Immortelle", "Immortelle", "🌼", "Plant"},
    {"Squash", "Potiron", "🎃", "Plant"},
    {"Mignonette", "Réséda", "🌿", "Plant"},
    {"Donkey", "Âne", "🫏", "Animal"},
    {"Belle of night", "Belle de nuit", "🌸", "Plant"},
    {"Pumpkin", "Citrouille", "🎃", "Plant"},
    {"Buckwheat", "Sarrasin", "🌾", "Plant"},
    {"Sunflower", "Tournesol", "🌻", "Plant"},
    {"Wine-press", "Pressoir", "🍷", "Tool"},
    {"Hemp", "Chanvre", "🌿", "Plant"},
    {"Peach", "Pêche", "🍑", "Plant"},
    {"Turnip", "Navet", "🥬", "Plant"},
    {"Amaryllis", "Amaryllis", "🌺", "Plant"},
    {"Ox", "Bœuf", "🐂", "Animal"},
    {"Eggplant", "Aubergine", "🍆", "Plant"},
    {"Pepper", "Piment", "🌶️", "Plant"},
    {"Tomato", "Tomate", "🍅", "Plant"},
    {"Barley", "Orge", "🌾", "Plant"},
    {"Barrel", "Tonneau", "🛢️", "Tool"},
    // Brumaire
    {"Apple", "Pomme", "🍎", "Plant"},
    {"Celery", "Céleri", "🥬", "Plant"},
    {"Pear", "Poire", "🍐", "Plant"},
    {"Beetroot", "Betterave", "🥬", "Plant"},
    {"Goose", "Oie", "🪿", "Animal"},
    {"Heliotrope", "Héliotrope", "🌸", "Plant"},
    {"Fig", "Figue", "🫒", "Plant"},
    {"Scorzonera", "Scorsonère", "🥕", "Plant"},
    {"Chequer Tree", "Alisier", "🌳", "Plant"},
    {"Plough", "Charrue", "🚜", "Tool"},
    {"Salsify", "Salsifis", "🥕", "Plant"},
    {"Water chestnut", "Mâcre", "🌰", "Plant"},
    {"Jerusalem artichoke", "Topinambour", "🥔", "Plant"},
    {"Endive", "Endive", "🥬", "Plant"},
    {"Turkey", "Dindon", "🦃", "Animal"},
    {"Skirret", "Chervis", "🥕", "Plant"},
    {"Watercress", "Cresson", "🥬", "Plant"},
    {"Leadwort", "Dentelaire", "🌸", "Plant"},
    {"Pomegranate", "Grenade", "🍎", "Plant"},
    {"Harrow", "Herse", "🔧", "Tool"},
    {"Bacchante", "Bacchante", "🌿", "Plant"},
    {"Azarole", "Azerole", "🍒", "Plant"},
    {"Madder", "Garance", "🌿", "Plant"},
    {"Orange", "Orange", "🍊", "Plant"},
    {"Pheasant", "Faisan", "🐦", "Animal"},
    {"Pistachio", "Pistache", "🥜", "Plant"},
    {"Tuberous pea", "Macjonc", "🌱", "Plant"},
    {"Quince", "Coing", "🍐", "Plant"},
    {"Service tree", "Cormier", "🌳", "Plant"},
    {"Roller", "Rouleau", "🔧", "Tool"},
    // Frimaire
    {"Rampion", "Raiponce", "🌸", "Plant"},
    {"Turnip", "Turneps", "🥬", "Plant"},
    {"Chicory", "Chicorée", "🥬", "Plant"},
    {"Medlar", "Nèfle", "🍐", "Plant"},
    {"Pig", "Cochon", "🐷", "Animal"},
    {"Corn salad", "Mâche", "🥬", "Plant"},
    {"Cauliflower", "Chou-fleur", "🥦", "Plant"},
    {"Honey", "Miel", "🍯", "Animal"},
    {"Juniper", "Genièvre", "🌲", "Plant"},
    {"Pickaxe", "Pioche", "⛏️", "Tool"},
    {"Wax", "Cire", "🕯️", "Animal"},
    {"Horseradish", "Raifort", "🥬", "Plant"},
    {"Cedar", "Cèdre", "🌲", "Plant"},
    {"Fir", "Sapin", "🌲", "Plant"},
    {"Roe deer", "Chevreuil", "🦌", "Animal"},
    {"Gorse", "Ajonc", "🌿", "Plant"},
    {"Cypress", "Cyprès", "🌲", "Plant"},
    {"Ivy", "Lierre", "🌿", "Plant"},
    {"Savin juniper", "Sabine", "🌲", "Plant"},
    {"Grub hoe", "Houe", "🔧", "Tool"},
    {"Sugar maple", "Érable à sucre", "🍁", "Plant"},
    {"Heather", "Bruyère", "💜", "Plant"},
    {"Reed", "Roseau", "🌾", "Plant"},
    {"Sorrel", "Oseille", "🥬", "Plant"},
    {"Cricket", "Grillon", "🦗", "Animal"},
    {"Pine nut", "Pignon", "🥜", "Plant"},
    {"Cork", "Liège", "🪵", "Plant"},
    {"Truffle", "Truffe", "🍄", "Plant"},
    {"Olive", "Olive", "🫒", "Plant"},
    {"Shovel", "Pelle", "🔧", "Tool"},
    // Nivôse
    {"Peat", "Tourbe", "🟤", "Mineral"},
    {"Coal", "Houille", "⬛", "Mineral"},
    {"Bitumen", "Bitume", "⬛", "Mineral"},
    {"Sulphur", "Soufre", "🟡", "Mineral"},
    {"Dog", "Chien", "🐕", "Animal"},
    {"Lava", "Lave", "🌋", "Mineral"},
    {"Topsoil", "Terre végétale", "🟤", "Mineral"},
    {"Manure", "Fumier", "💩", "Mineral"},
    {"Saltpeter", "Salpêtre", "⚪", "Mineral"},
    {"Flail", "Fléau", "🔧", "Tool"},
    {"Granite", "Granit", "🪨", "Mineral"},
    {"Clay", "Argile", "🟤", "Mineral"},
    {"Slate", "Ardoise", "⬛", "Mineral"},
    {"Sandstone", "Grès", "🟤", "Mineral"},
    {"Rabbit", "Lapin", "🐇", "Animal"},
    {"Flint", "Silex", "🪨", "Mineral"},
    {"Marl", "Marne", "⚪", "Mineral"},
    {"Limestone", "Pierre à chaux", "⚪", "Mineral"},
    {"Marble", "Marbre", "🪨", "Mineral"},
    {"Winnowing basket", "Van", "🧺", "Tool"},
    {"Gypsum", "Pierre à plâtre", "⬜", "Mineral"},
    {"Salt", "Sel", "🧂", "Mineral"},
    {"Iron", "Fer", "⚙️", "Mineral"},
    {"Copper", "Cuivre", "🟤", "Mineral"},
    {"Cat", "Chat", "🐈", "Animal"},
    {"Tin", "Étain", "⚪", "Mineral"},
    {"Lead", "Plomb", "⬛", "Mineral"},
    {"Zinc", "Zinc", "⚪", "Mineral"},
    {"Mercury", "Mercure", "🔵", "Mineral"},
    {"Sieve", "Crible", "🔧", "Tool"},
    // Pluviôse
    {"Spurge laurel", "Lauréole", "🌿", "Plant"},
    {"Moss", "Mousse", "🌿", "Plant"},
    {"Butcher's broom", "Fragon", "🌿", "Plant"},
    {"Snowdrop", "Perce-neige", "❄️", "Plant"},
    {"Bull", "Taureau", "🐂", "Animal"},
    {"Laurustinus", "Laurier-thym", "🌿", "Plant"},
    {"Tinder polypore", "Amadouvier", "🍄", "Plant"},
    {"Mezereum", "Mézéréon", "🌸", "Plant"},
    {"Poplar", "Peuplier", "🌳", "Plant"},
    {"Axe", "Coignée", "🪓", "Tool"},
    {"Hellebore", "Ellébore", "🌸", "Plant"},
    {"Broccoli", "Brocoli", "🥦", "Plant"},
    {"Bay laurel", "Laurier", "🌿", "Plant"},
    {"Filbert", "Avelinier", "🌰", "Plant"},
    {"Cow", "Vache", "🐄", "Animal"},
    {"Box tree", "Buis", "🌳", "Plant"},
    {"Lichen", "Lichen", "🌿", "Plant"},
    {"Yew tree", "If", "🌲", "Plant"},
    {"Lungwort", "Pulmonaire", "🌸", "Plant"},
    {"Billhook", "Serpette", "🔪", "Tool"},
    {"Thlaspi", "Thlaspi", "🌸", "Plant"},
    {"Thymelaea", "Thimèle", "🌿", "Plant"},
    {"Chickweed", "Mouron", "🌸", "Plant"},
    {"Lamb's lettuce", "Cornouiller", "🌳", "Plant"},
    {"Goat", "Bouc", "🐐", "Animal"},
    {"Hazel", "Noisetier", "🌳", "Plant"},
    {"Cyclamen", "Cyclamen", "🌸", "Plant"},
    {"Celandine", "Chélidoine", "🌼", "Plant"},
    {"Sleigh", "Traîneau", "🛷", "Tool"},
    {"Tussilago", "Tussilage", "🌼", "Plant"},
    // Ventôse
    {"Coltsfoot", "Tussilage", "🌼", "Plant"},
    {"Dogwood", "Cornouiller", "🌳", "Plant"},
    {"Matthiola", "Violier", "💜", "Plant"},
    {"Privet", "Troène", "🌿", "Plant"},
    {"Billygoat", "Bouc", "🐐", "Animal"},
    {"Wild ginger", "Asaret", "🌿", "Plant"},
    {"Alatern", "Alaterne", "🌳", "Plant"},
    {"Violet", "Violette", "💜", "Plant"},
    {"Goat willow", "Marceau", "🌳", "Plant"},
    {"Spade", "Bêche", "🔧", "Tool"},
    {"Narcissus", "Narcisse", "🌼", "Plant"},
    {"Elm", "Orme", "🌳", "Plant"},
    {"Fumitory", "Fumeterre", "🌸", "Plant"},
    {"Hedge mustard", "Vélar", "🌼", "Plant"},
    {"She-goat", "Chèvre", "🐐", "Animal"},
    {"Spinach", "Épinard", "🥬", "Plant"},
    {"Leopard's bane", "Doronic", "🌼", "Plant"},
    {"Pimpernel", "Mouron", "🌸", "Plant"},
    {"Chervil", "Cerfeuil", "🌿", "Plant"},
    {"Twine", "Cordeau", "🧵", "Tool"},
    {"Mandrake", "Mandragore", "🌿", "Plant"},
    {"Parsley", "Persil", "🌿", "Plant"},
    {"Scurvy-grass", "Cochléaria", "🌿", "Plant"},
    {"Daisy", "Pâquerette", "🌼", "Plant"},
    {"Tuna", "Thon", "🐟", "Animal"},
    {"Dandelion", "Pissenlit", "🌼", "Plant"},
    {"Wood anemone", "Sylvie", "🌸", "Plant"},
    {"Maidenhair fern", "Capillaire", "🌿", "Plant"},
    {"Ash tree", "Frêne", "🌳", "Plant"},
    {"Dibber", "Plantoir", "🔧", "Tool"},
    // Germinal
    {"Primrose", "Primevère", "🌸", "Plant"},
    {"Plane tree", "Platane", "🌳", "Plant"},
    {"Asparagus", "Asperge", "🥬", "Plant"},
    {"Tulip", "Tulipe", "🌷", "Plant"},
    {"Hen", "Poule", "🐔", "Animal"},
    {"Chard", "Bette", "🥬", "Plant"},
    {"Birch", "Bouleau", "🌳", "Plant"},
    {"Jonquil", "Jonquille", "🌼", "Plant"},
    {"Alder", "Aulne", "🌳", "Plant"},
    {"Hatchery", "Couvoir", "🥚", "Tool"},
    {"Periwinkle", "Pervenche", "💜", "Plant"},
    {"Hornbeam", "Charme", "🌳", "Plant"},
    {"Morel", "Morille", "🍄", "Plant"},
    {"Beech", "Hêtre", "🌳", "Plant"},
    {"Bee", "Abeille", "🐝", "Animal"},
    {"Lettuce", "Laitue", "🥬", "Plant"},
    {"Larch", "Mélèze", "🌲", "Plant"},
    {"Hemlock", "Ciguë", "🌿", "Plant"},
    {"Radish", "Radis", "🥕", "Plant"},
    {"Hive", "Ruche", "🐝", "Tool"},
    {"Judas tree", "Gainier", "🌸", "Plant"},
    {"Romaine lettuce", "Romaine", "🥬", "Plant"},
    {"Horse chestnut", "Marronnier", "🌰", "Plant"},
    {"Rocket", "Roquette", "🥬", "Plant"},
    {"Pigeon", "Pigeon", "🐦", "Animal"},
    {"Lilac", "Lilas", "💜", "Plant"},
    {"Anemone", "Anémone", "🌸", "Plant"},
    {"Pansy", "Pensée", "💜", "Plant"},
    {"Blueberry", "Myrtille", "🫐", "Plant"},
    {"Grafting knife", "Greffoir", "🔪", "Tool"},
    // Floréal
    {"Rose", "Rose", "🌹", "Plant"},
    {"Oak", "Chêne", "🌳", "Plant"},
    {"Fern", "Fougère", "🌿", "Plant"},
    {"Hawthorn", "Aubépine", "🌸", "Plant"},
    {"Nightingale", "Rossignol", "🐦", "Animal"},
    {"Columbine", "Ancolie", "🌸", "Plant"},
    {"Lily of the valley", "Muguet", "🌸", "Plant"},
    {"Mushroom", "Champignon", "🍄", "Plant"},
    {"Hyacinth", "Hyacinthe", "💜", "Plant"},
    {"Rake", "Râteau", "🔧", "Tool"},
    {"Rhubarb", "Rhubarbe", "🥬", "Plant"},
    {"Sainfoin", "Sainfoin", "🌸", "Plant"},
    {"Wallflower", "Bâton-d'or", "🌼", "Plant"},
    {"Fan palm", "Chamerops", "🌴", "Plant"},
    {"Silkworm", "Ver à soie", "🐛", "Animal"},
    {"Comfrey", "Consoude", "🌿", "Plant"},
    {"Salad burnet", "Pimprenelle", "🌿", "Plant"},
    {"Basket of gold", "Corbeille d'or", "🌼", "Plant"},
    {"Orache", "Arroche", "🥬", "Plant"},
    {"Garden hoe", "Sarcloir", "🔧", "Tool"},
    {"Thrift", "Statice", "🌸", "Plant"},
    {"Fritillary", "Fritillaire", "🌷", "Plant"},
    {"Borage", "Bourrache", "🌸", "Plant"},
    {"Valerian", "Valériane", "🌸", "Plant"},
    {"Carp", "Carpe", "🐟", "Animal"},
    {"Spindle", "Fusain", "🌳", "Plant"},
    {"Chive", "Civette", "🌿", "Plant"},
    {"Bugloss", "Buglosse", "🌸", "Plant"},
    {"Wild mustard", "Sénevé", "🌼", "Plant"},
    {"Shepherd's crook", "Houlette", "🔧", "Tool"},
    // Prairial
    {"Alfalfa", "Luzerne", "🌿", "Plant"},
    {"Day lily", "Hémérocalle", "🌸", "Plant"},
    {"Clover", "Trèfle", "☘️", "Plant"},
    {"Angelica", "Angélique", "🌿", "Plant"},
    {"Duck", "Canard", "🦆", "Animal"},
    {"Lemon balm", "Mélisse", "🌿", "Plant"},
    {"Oat grass", "Fromental", "🌾", "Plant"},
    {"Martagon lily", "Martagon", "🌸", "Plant"},
    {"Wild thyme", "Serpolet", "🌿", "Plant"},
    {"Scythe", "Faux", "🔧", "Tool"},
    {"Strawberry", "Fraise", "🍓", "Plant"},
    {"Woundwort", "Bétoine", "🌸", "Plant"},
    {"Pea", "Pois", "🟢", "Plant"},
    {"Acacia", "Acacia", "🌳", "Plant"},
    {"Quail", "Caille", "🐦", "Animal"},
    {"Carnation", "Œillet", "🌸", "Plant"},
    {"Elderberry", "Sureau", "🫐", "Plant"},
    {"Poppy", "Pavot", "🌺", "Plant"},
    {"Lime tree", "Tilleul", "🌳", "Plant"},
    {"Pitchfork", "Fourche", "🔱", "Tool"},
    {"Cornflower", "Barbeau", "💙", "Plant"},
    {"Camomile", "Camomille", "🌼", "Plant"},
    {"Honeysuckle", "Chèvrefeuille", "🌸", "Plant"},
    {"Bedstraw", "Caille-lait", "🌿", "Plant"},
    {"Tench", "Tanche", "🐟", "Animal"},
    {"Jasmine", "Jasmin", "🌸", "Plant"},
    {"Vervain", "Verveine", "🌿", "Plant"},
    {"Thyme", "Thym", "🌿", "Plant"},
    {"Peony", "Pivoine", "🌺", "Plant"},
    {"Cart", "Chariot", "🛒", "Tool"},
    // Messidor
    {"Rye", "Seigle", "🌾", "Plant"},
    {"Oat", "Avoine", "🌾", "Plant"},
    {"Onion", "Oignon", "🧅", "Plant"},
    {"Speedwell", "Véronique", "🌸", "Plant"},
    {"Mule", "Mulet", "🫏", "Animal"},
    {"Rosemary", "Romarin", "🌿", "Plant"},
    {"Cucumber", "Concombre", "🥒", "Plant"},
    {"Shallot", "Échalote", "🧅", "Plant"},
    {"Wormwood", "Absinthe", "🌿", "Plant"},
    {"Sickle", "Faucille", "🔧", "Tool"},
    {"Coriander", "Coriandre", "🌿", "Plant"},
    {"Artichoke", "Artichaut", "🥬", "Plant"},
    {"Clove", "Giroflée", "🌸", "Plant"},
    {"Lavender", "Lavande", "💜", "Plant"},
    {"Chamois", "Chamois", "🦌", "Animal"},
    {"Tobacco", "Tabac", "🌿", "Plant"},
    {"Currant", "Groseille", "🍒", "Plant"},
    {"Vetchling", "Gesse", "🌸", "Plant"},
    {"Cherry", "Cerise", "🍒", "Plant"},
    {"Park", "Parc", "🏞️", "Tool"},
    {"Mint", "Menthe", "🌿", "Plant"},
    {"Cumin", "Cumin", "🌿", "Plant"},
    {"Bean", "Haricot", "🫘", "Plant"},
    {"Alkanet", "Orcanète", "🌸", "Plant"},
    {"Guinea fowl", "Pintade", "🐦", "Animal"},
    {"Sage", "Sauge", "🌿", "Plant"},
    {"Garlic", "Ail", "🧄", "Plant"},
    {"Vetch", "Vesce", "🌿", "Plant"},
    {"Wheat", "Blé", "🌾", "Plant"},
    {"Shawm", "Chalémie", "🎵", "Tool"},
    // Thermidor
    {"Spelt", "Épeautre", "🌾", "Plant"},
    {"Mullein", "Bouillon blanc", "🌿", "Plant"},
    {"Melon", "Melon", "🍈", "Plant"},
    {"Ryegrass", "Ivraie", "🌾", "Plant"},
    {"Ram", "Bélier", "🐏", "Animal"},
    {"Horsetail", "Prêle", "🌿", "Plant"},
    {"Mugwort", "Armoise", "🌿", "Plant"},
    {"Safflower", "Carthame", "🌼", "Plant"},
    {"Blackberry", "Mûre", "🫐", "Plant"},
    {"Watering can", "Arrosoir", "🚿", "Tool"},
    {"Panic grass", "Panic", "🌾", "Plant"},
    {"Saltwort", "Salicorne", "🌿", "Plant"},
    {"Apricot", "Abricot", "🍑", "Plant"},
    {"Basil", "Basilic", "🌿", "Plant"},
    {"Ewe", "Brebis", "🐑", "Animal"},
    {"Marshmallow", "Guimauve", "🌸", "Plant"},
    {"Flax", "Lin", "🌸", "Plant"},
    {"Almond", "Amande", "🥜", "Plant"},
    {"Gentian", "Gentiane", "🌸", "Plant"},
    {"Lock", "Écluse", "🔒", "Tool"},
    {"Carline thistle", "Carline", "🌸", "Plant"},
    {"Caper", "Câprier", "🌿", "Plant"},
    {"Lentil", "Lentille", "🫘", "Plant"},
    {"Inula", "Aunée", "🌼", "Plant"},
    {"Otter", "Loutre", "🦦", "Animal"},
    {"Myrtle", "Myrte", "🌿", "Plant"},
    {"Rapeseed", "Colza", "🌼", "Plant"},
    {"Lupin", "Lupin", "🌸", "Plant"},
    {"Cotton", "Coton", "☁️", "Plant"},
    {"Mill", "Moulin", "🏭", "Tool"},
    // Fructidor
    {"Plum", "Prune", "🍑", "Plant"},
    {"Millet", "Millet", "🌾", "Plant"},
    {"Puffball", "Lycoperdon", "🍄", "Plant"},
    {"Six-row barley", "Escourgeon", "🌾", "Plant"},
    {"Salmon", "Saumon", "🐟", "Animal"},
    {"Tuberose", "Tubéreuse", "🌸", "Plant"},
    {"Winter barley", "Sucrion", "🌾", "Plant"},
    {"Apocynum", "Apocyn", "🌸", "Plant"},
    {"Liquorice", "Réglisse", "🌿", "Plant"},
    {"Ladder", "Échelle", "🪜", "Tool"},
    {"Watermelon", "Pastèque", "🍉", "Plant"},
    {"Fennel", "Fenouil", "🌿", "Plant"},
    {"Barberry", "Épine-vinette", "🍒", "Plant"},
    {"Walnut", "Noix", "🥜", "Plant"},
    {"Trout", "Truite", "🐟", "Animal"},
    {"Lemon", "Citron", "🍋", "Plant"},
    {"Teasel", "Cardère", "🌿", "Plant"},
    {"Buckthorn", "Nerprun", "🌳", "Plant"},
    {"Marigold", "Tagette", "🌼", "Plant"},
    {"Harvesting basket", "Hotte", "🧺", "Tool"},
    {"Wild rose", "Églantine", "🌹", "Plant"},
    {"Hazelnut", "Noisette", "🌰", "Plant"},
    {"Hops", "Houblon", "🌿", "Plant"},
    {"Sorghum", "Sorgho", "🌾", "Plant"},
    {"Crayfish", "Écrevisse", "🦞", "Animal"},
    {"Bitter orange", "Bigarade", "🍊", "Plant"},
    {"Goldenrod", "Verge d'or", "🌼", "Plant"},
    {"Maize", "Maïs", "🌽", "Plant"},
    {"Chestnut", "Marron", "🌰", "Plant"},
    {"Pack basket", "Panier", "🧺", "Tool"},
}};

} // namespace WidgetDailyItems
