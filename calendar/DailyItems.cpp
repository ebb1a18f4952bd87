// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DailyItems.h"

#include <cstdio>
#include <utility>

namespace {

constexpr std::array<std::string_view, 4> categoryTexts{"Plant", "Animal", "Tool", "Mineral"};

// Lower-cases the letters the French names use: ASCII, Latin-1 capitals (À to Þ but ×) and Œ.
std::string lowerCased(std::string_view text)
{
    std::string lower;
    lower.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 'A' && byte <= 'Z') {
            lower += static_cast<char>(byte - 'A' + 'a');
        } else if (byte == 0xC3 && i + 1 < text.size()) {
            // U+00C0 to U+00DE are encoded C3 80 to C3 9E; lower case adds 0x20 (except U+00D7 ×).
            const auto next = static_cast<unsigned char>(text[i + 1]);
            lower += text[i];
            lower += static_cast<char>(next >= 0x80 && next <= 0x9E && next != 0x97 ? next + 0x20 : next);
            ++i;
        } else if (byte == 0xC5 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x92) {
            lower += "\xC5\x93"; // Œ to œ
            ++i;
        } else {
            lower += text[i];
        }
    }
    return lower;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

} // namespace

std::string DailyItem::imageName() const
{
    std::string slug = lowerCased(frenchName);
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 15> replacements{{
        {" ", "_"},
        {"'", ""},
        {"é", "e"},
        {"è", "e"},
        {"ê", "e"},
        {"ë", "e"},
        {"à", "a"},
        {"â", "a"},
        {"î", "i"},
        {"ï", "i"},
        {"ô", "o"},
        {"û", "u"},
        {"ù", "u"},
        {"ç", "c"},
        {"œ", "oe"},
    }};
    for (const auto& [from, to] : replacements) {
        replaceAll(slug, from, to);
    }
    char number[32];
    std::snprintf(number, sizeof number, "%03lld", static_cast<long long>(dayOfYear));
    return "day_" + std::string(number) + "_" + slug;
}

namespace DailyItems {

std::string_view categoryText(DailyItem::Category category)
{
    return categoryTexts.at(static_cast<std::size_t>(category));
}

std::optional<DailyItem::Category> categoryFromText(std::string_view text)
{
    for (std::size_t i = 0; i < categoryTexts.size(); ++i) {
        if (categoryTexts[i] == text) {
            return static_cast<DailyItem::Category>(i);
        }
    }
    return std::nullopt;
}

std::optional<DailyItem> item(const RevolutionaryDate& date)
{
    if (date.month > 12) {
        return std::nullopt;
    }
    // Checked arithmetic: a hand-made date may hold any month and day.
    std::int64_t dayOfYear = 0;
    if (__builtin_sub_overflow(date.month, 1, &dayOfYear) || __builtin_mul_overflow(dayOfYear, 30, &dayOfYear) ||
        __builtin_add_overflow(dayOfYear, date.day, &dayOfYear) || dayOfYear < 1 || dayOfYear > 360) {
        return std::nullopt;
    }
    DailyItem found = allItems[static_cast<std::size_t>(dayOfYear - 1)];
    found.dayOfYear = dayOfYear;
    return found;
}

// name, frenchName, category, emoji
const std::array<DailyItem, 360> allItems{{
    // Vendémiaire
    {"Grape", "Raisin", DailyItem::Category::plant, "🍇"},
    {"Saffron", "Safran", DailyItem::Category::plant, "🌸"},
    {"Chestnut", "Châtaigne", DailyItem::Category::plant, "🌰"},
    {"Crocus", "Colchique", DailyItem::Category::plant, "💜"},
    {"Horse", "Cheval", DailyItem::Category::animal, "🐴"},
    {"Balsam", "Balsamine", DailyItem::Category::plant, "🌺"},
    {"Carrot", "Carotte", DailyItem::Category::plant, "🥕"},
    {"Amaranth", "Amarante", DailyItem::Category::plant, "🌾"},
    {"Parsnip", "Panais", DailyItem::Category::plant, "🥬"},
    {"Vat", "Cuve", DailyItem::Category::tool, "🛢️"},
    {"Potato", "Pomme de terre", DailyItem::Category::plant, "🥔"},
    {"Immortelle", "Immortelle", DailyItem::Category::plant, "🌼"},
    {"Squash", "Potiron", DailyItem::Category::plant, "🎃"},
    {"Mignonette", "Réséda", DailyItem::Category::plant, "🌿"},
    {"Donkey", "Âne", DailyItem::Category::animal, "🫏"},
    {"Belle of night", "Belle de nuit", DailyItem::Category::plant, "🌸"},
    {"Pumpkin", "Citrouille", DailyItem::Category::plant, "🎃"},
    {"Buckwheat", "Sarrasin", DailyItem::Category::plant, "🌾"},
    {"Sunflower", "Tournesol", DailyItem::Category::plant, "🌻"},
    {"Wine-press", "Pressoir", DailyItem::Category::tool, "🍷"},
    {"Hemp", "Chanvre", DailyItem::Category::plant, "🌿"},
    {"Peach", "Pêche", DailyItem::Category::plant, "🍑"},
    {"Turnip", "Navet", DailyItem::Category::plant, "🥬"},
    {"Amaryllis", "Amaryllis", DailyItem::Category::plant, "🌺"},
    {"Ox", "Bœuf", DailyItem::Category::animal, "🐂"},
    {"Eggplant", "Aubergine", DailyItem::Category::plant, "🍆"},
    {"Pepper", "Piment", DailyItem::Category::plant, "🌶️"},
    {"Tomato", "Tomate", DailyItem::Category::plant, "🍅"},
    {"Barley", "Orge", DailyItem::Category::plant, "🌾"},
    {"Barrel", "Tonneau", DailyItem::Category::tool, "🛢️"},
    // Brumaire
    {"Apple", "Pomme", DailyItem::Category::plant, "🍎"},
    {"Celery", "Céleri", DailyItem::Category::plant, "🥬"},
    {"Pear", "Poire", DailyItem::Category::plant, "🍐"},
    {"Beetroot", "Betterave", DailyItem::Category::plant, "🥬"},
    {"Goose", "Oie", DailyItem::Category::animal, "🪿"},
    {"Heliotrope", "Héliotrope", DailyItem::Category::plant, "🌸"},
    {"Fig", "Figue", DailyItem::Category::plant, "🫒"},
    {"Scorzonera", "Scorsonère", DailyItem::Category::plant, "🥕"},
    {"Chequer Tree", "Alisier", DailyItem::Category::plant, "🌳"},
    {"Plough", "Charrue", DailyItem::Category::tool, "🚜"},
    {"Salsify", "Salsifis", DailyItem::Category::plant, "🥕"},
    {"Water chestnut", "Mâcre", DailyItem::Category::plant, "🌰"},
    {"Jerusalem artichoke", "Topinambour", DailyItem::Category::plant, "🥔"},
    {"Endive", "Endive", DailyItem::Category::plant, "🥬"},
    {"Turkey", "Dindon", DailyItem::Category::animal, "🦃"},
    {"Skirret", "Chervis", DailyItem::Category::plant, "🥕"},
    {"Watercress", "Cresson", DailyItem::Category::plant, "🥬"},
    {"Leadwort", "Dentelaire", DailyItem::Category::plant, "🌸"},
    {"Pomegranate", "Grenade", DailyItem::Category::plant, "🍎"},
    {"Harrow", "Herse", DailyItem::Category::tool, "🔧"},
    {"Bacchante", "Bacchante", DailyItem::Category::plant, "🌿"},
    {"Azarole", "Azerole", DailyItem::Category::plant, "🍒"},
    {"Madder", "Garance", DailyItem::Category::plant, "🌿"},
    {"Orange", "Orange", DailyItem::Category::plant, "🍊"},
    {"Pheasant", "Faisan", DailyItem::Category::animal, "🐦"},
    {"Pistachio", "Pistache", DailyItem::Category::plant, "🥜"},
    {"Tuberous pea", "Macjonc", DailyItem::Category::plant, "🌱"},
    {"Quince", "Coing", DailyItem::Category::plant, "🍐"},
    {"Service tree", "Cormier", DailyItem::Category::plant, "🌳"},
    {"Roller", "Rouleau", DailyItem::Category::tool, "🔧"},
    // Frimaire
    {"Rampion", "Raiponce", DailyItem::Category::plant, "🌸"},
    {"Turnip", "Turneps", DailyItem::Category::plant, "🥬"},
    {"Chicory", "Chicorée", DailyItem::Category::plant, "🥬"},
    {"Medlar", "Nèfle", DailyItem::Category::plant, "🍐"},
    {"Pig", "Cochon", DailyItem::Category::animal, "🐷"},
    {"Corn salad", "Mâche", DailyItem::Category::plant, "🥬"},
    {"Cauliflower", "Chou-fleur", DailyItem::Category::plant, "🥦"},
    {"Honey", "Miel", DailyItem::Category::animal, "🍯"},
    {"Juniper", "Genièvre", DailyItem::Category::plant, "🌲"},
    {"Pickaxe", "Pioche", DailyItem::Category::tool, "⛏️"},
    {"Wax", "Cire", DailyItem::Category::animal, "🕯️"},
    {"Horseradish", "Raifort", DailyItem::Category::plant, "🥬"},
    {"Cedar", "Cèdre", DailyItem::Category::plant, "🌲"},
    {"Fir", "Sapin", DailyItem::Category::plant, "🌲"},
    {"Roe deer", "Chevreuil", DailyItem::Category::animal, "🦌"},
    {"Gorse", "Ajonc", DailyItem::Category::plant, "🌿"},
    {"Cypress", "Cyprès", DailyItem::Category::plant, "🌲"},
    {"Ivy", "Lierre", DailyItem::Category::plant, "🌿"},
    {"Savin juniper", "Sabine", DailyItem::Category::plant, "🌲"},
    {"Grub hoe", "Houe", DailyItem::Category::tool, "🔧"},
    {"Sugar maple", "Érable à sucre", DailyItem::Category::plant, "🍁"},
    {"Heather", "Bruyère", DailyItem::Category::plant, "💜"},
    {"Reed", "Roseau", DailyItem::Category::plant, "🌾"},
    {"Sorrel", "Oseille", DailyItem::Category::plant, "🥬"},
    {"Cricket", "Grillon", DailyItem::Category::animal, "🦗"},
    {"Pine nut", "Pignon", DailyItem::Category::plant, "🥜"},
    {"Cork", "Liège", DailyItem::Category::plant, "🪵"},
    {"Truffle", "Truffe", DailyItem::Category::plant, "🍄"},
    {"Olive", "Olive", DailyItem::Category::plant, "🫒"},
    {"Shovel", "Pelle", DailyItem::Category::tool, "🔧"},
    // Nivôse
    {"Peat", "Tourbe", DailyItem::Category::mineral, "🟤"},
    {"Coal", "Houille", DailyItem::Category::mineral, "⬛"},
    {"Bitumen", "Bitume", DailyItem::Category::mineral, "⬛"},
    {"Sulphur", "Soufre", DailyItem::Category::mineral, "🟡"},
    {"Dog", "Chien", DailyItem::Category::animal, "🐕"},
    {"Lava", "Lave", DailyItem::Category::mineral, "🌋"},
    {"Topsoil", "Terre végétale", DailyItem::Category::mineral, "🟤"},
    {"Manure", "Fumier", DailyItem::Category::mineral, "💩"},
    {"Saltpeter", "Salpêtre", DailyItem::Category::mineral, "⚪"},
    {"Flail", "Fléau", DailyItem::Category::tool, "🔧"},
    {"Granite", "Granit", DailyItem::Category::mineral, "🪨"},
    {"Clay", "Argile", DailyItem::Category::mineral, "🟤"},
    {"Slate", "Ardoise", DailyItem::Category::mineral, "⬛"},
    {"Sandstone", "Grès", DailyItem::Category::mineral, "🟤"},
    {"Rabbit", "Lapin", DailyItem::Category::animal, "🐇"},
    {"Flint", "Silex", DailyItem::Category::mineral, "🪨"},
    {"Marl", "Marne", DailyItem::Category::mineral, "⚪"},
    {"Limestone", "Pierre à chaux", DailyItem::Category::mineral, "⚪"},
    {"Marble", "Marbre", DailyItem::Category::mineral, "⬜"},
    {"Winnowing basket", "Van", DailyItem::Category::tool, "🧺"},
    {"Gypsum", "Pierre à plâtre", DailyItem::Category::mineral, "⬜"},
    {"Salt", "Sel", DailyItem::Category::mineral, "🧂"},
    {"Iron", "Fer", DailyItem::Category::mineral, "⚙️"},
    {"Copper", "Cuivre", DailyItem::Category::mineral, "🟤"},
    {"Cat", "Chat", DailyItem::Category::animal, "🐈"},
    {"Tin", "Étain", DailyItem::Category::mineral, "⚪"},
    {"Lead", "Plomb", DailyItem::Category::mineral, "⬛"},
    {"Zinc", "Zinc", DailyItem::Category::mineral, "⚪"},
    {"Mercury", "Mercure", DailyItem::Category::mineral, "🔵"},
    {"Sieve", "Crible", DailyItem::Category::tool, "🔧"},
    // Pluviôse
    {"Spurge laurel", "Lauréole", DailyItem::Category::plant, "🌿"},
    {"Moss", "Mousse", DailyItem::Category::plant, "🌿"},
    {"Butcher's broom", "Fragon", DailyItem::Category::plant, "🌿"},
    {"Snowdrop", "Perce-neige", DailyItem::Category::plant, "❄️"},
    {"Bull", "Taureau", DailyItem::Category::animal, "🐂"},
    {"Laurustinus", "Laurier-thym", DailyItem::Category::plant, "🌿"},
    {"Tinder polypore", "Amadouvier", DailyItem::Category::plant, "🍄"},
    {"Mezereum", "Mézéréon", DailyItem::Category::plant, "🌸"},
    {"Poplar", "Peuplier", DailyItem::Category::plant, "🌳"},
    {"Axe", "Coignée", DailyItem::Category::tool, "🪓"},
    {"Hellebore", "Ellébore", DailyItem::Category::plant, "🌸"},
    {"Broccoli", "Brocoli", DailyItem::Category::plant, "🥦"},
    {"Bay laurel", "Laurier", DailyItem::Category::plant, "🌿"},
    {"Filbert", "Avelinier", DailyItem::Category::plant, "🌰"},
    {"Cow", "Vache", DailyItem::Category::animal, "🐄"},
    {"Box tree", "Buis", DailyItem::Category::plant, "🌳"},
    {"Lichen", "Lichen", DailyItem::Category::plant, "🌿"},
    {"Yew tree", "If", DailyItem::Category::plant, "🌲"},
    {"Lungwort", "Pulmonaire", DailyItem::Category::plant, "🌸"},
    {"Billhook", "Serpette", DailyItem::Category::tool, "🔪"},
    {"Thlaspi", "Thlaspi", DailyItem::Category::plant, "🌸"},
    {"Thymelaea", "Thimèle", DailyItem::Category::plant, "🌿"},
    {"Chickweed", "Mouron", DailyItem::Category::plant, "🌸"},
    {"Lamb's lettuce", "Cornouiller", DailyItem::Category::plant, "🌳"},
    {"Goat", "Bouc", DailyItem::Category::animal, "🐐"},
    {"Hazel", "Noisetier", DailyItem::Category::plant, "🌳"},
    {"Cyclamen", "Cyclamen", DailyItem::Category::plant, "🌸"},
    {"Celandine", "Chélidoine", DailyItem::Category::plant, "🌼"},
    {"Sleigh", "Traîneau", DailyItem::Category::tool, "🛷"},
    {"Tussilago", "Tussilage", DailyItem::Category::plant, "🌼"},
    // Ventôse
    {"Coltsfoot", "Tussilage", DailyItem::Category::plant, "🌼"},
    {"Dogwood", "Cornouiller", DailyItem::Category::plant, "🌳"},
    {"Matthiola", "Violier", DailyItem::Category::plant, "💜"},
    {"Privet", "Troène", DailyItem::Category::plant, "🌿"},
    {"Billygoat", "Bouc", DailyItem::Category::animal, "🐐"},
    {"Wild ginger", "Asaret", DailyItem::Category::plant, "🌿"},
    {"Alatern", "Alaterne", DailyItem::Category::plant, "🌳"},
    {"Violet", "Violette", DailyItem::Category::plant, "💜"},
    {"Goat willow", "Marceau", DailyItem::Category::plant, "🌳"},
    {"Spade", "Bêche", DailyItem::Category::tool, "🔧"},
    {"Narcissus", "Narcisse", DailyItem::Category::plant, "🌼"},
    {"Elm", "Orme", DailyItem::Category::plant, "🌳"},
    {"Fumitory", "Fumeterre", DailyItem::Category::plant, "🌸"},
    {"Hedge mustard", "Vélar", DailyItem::Category::plant, "🌼"},
    {"She-goat", "Chèvre", DailyItem::Category::animal, "🐐"},
    {"Spinach", "Épinard", DailyItem::Category::plant, "🥬"},
    {"Leopard's bane", "Doronic", DailyItem::Category::plant, "🌼"},
    {"Pimpernel", "Mouron", DailyItem::Category::plant, "🌸"},
    {"Chervil", "Cerfeuil", DailyItem::Category::plant, "🌿"},
    {"Twine", "Cordeau", DailyItem::Category::tool, "🧵"},
    {"Mandrake", "Mandragore", DailyItem::Category::plant, "🌿"},
    {"Parsley", "Persil", DailyItem::Category::plant, "🌿"},
    {"Scurvy-grass", "Cochléaria", DailyItem::Category::plant, "🌿"},
    {"Daisy", "Pâquerette", DailyItem::Category::plant, "🌼"},
    {"Tuna", "Thon", DailyItem::Category::animal, "🐟"},
    {"Dandelion", "Pissenlit", DailyItem::Category::plant, "🌼"},
    {"Wood anemone", "Sylvie", DailyItem::Category::plant, "🌸"},
    {"Maidenhair fern", "Capillaire", DailyItem::Category::plant, "🌿"},
    {"Ash tree", "Frêne", DailyItem::Category::plant, "🌳"},
    {"Dibber", "Plantoir", DailyItem::Category::tool, "🔧"},
    // Germinal
    {"Primrose", "Primevère", DailyItem::Category::plant, "🌸"},
    {"Plane tree", "Platane", DailyItem::Category::plant, "🌳"},
    {"Asparagus", "Asperge", DailyItem::Category::plant, "🥬"},
    {"Tulip", "Tulipe", DailyItem::Category::plant, "🌷"},
    {"Hen", "Poule", DailyItem::Category::animal, "🐔"},
    {"Chard", "Bette", DailyItem::Category::plant, "🥬"},
    {"Birch", "Bouleau", DailyItem::Category::plant, "🌳"},
    {"Jonquil", "Jonquille", DailyItem::Category::plant, "🌼"},
    {"Alder", "Aulne", DailyItem::Category::plant, "🌳"},
    {"Hatchery", "Couvoir", DailyItem::Category::tool, "🥚"},
    {"Periwinkle", "Pervenche", DailyItem::Category::plant, "💜"},
    {"Hornbeam", "Charme", DailyItem::Category::plant, "🌳"},
    {"Morel", "Morille", DailyItem::Category::plant, "🍄"},
    {"Beech", "Hêtre", DailyItem::Category::plant, "🌳"},
    {"Bee", "Abeille", DailyItem::Category::animal, "🐝"},
    {"Lettuce", "Laitue", DailyItem::Category::plant, "🥬"},
    {"Larch", "Mélèze", DailyItem::Category::plant, "🌲"},
    {"Hemlock", "Ciguë", DailyItem::Category::plant, "🌿"},
    {"Radish", "Radis", DailyItem::Category::plant, "🥕"},
    {"Hive", "Ruche", DailyItem::Category::tool, "🐝"},
    {"Judas tree", "Gainier", DailyItem::Category::plant, "🌸"},
    {"Romaine lettuce", "Romaine", DailyItem::Category::plant, "🥬"},
    {"Horse chestnut", "Marronnier", DailyItem::Category::plant, "🌰"},
    {"Rocket", "Roquette", DailyItem::Category::plant, "🥬"},
    {"Pigeon", "Pigeon", DailyItem::Category::animal, "🐦"},
    {"Lilac", "Lilas", DailyItem::Category::plant, "💜"},
    {"Anemone", "Anémone", DailyItem::Category::plant, "🌸"},
    {"Pansy", "Pensée", DailyItem::Category::plant, "💜"},
    {"Blueberry", "Myrtille", DailyItem::Category::plant, "🫐"},
    {"Grafting knife", "Greffoir", DailyItem::Category::tool, "🔪"},
    // Floréal
    {"Rose", "Rose", DailyItem::Category::plant, "🌹"},
    {"Oak", "Chêne", DailyItem::Category::plant, "🌳"},
    {"Fern", "Fougère", DailyItem::Category::plant, "🌿"},
    {"Hawthorn", "Aubépine", DailyItem::Category::plant, "🌸"},
    {"Nightingale", "Rossignol", DailyItem::Category::animal, "🐦"},
    {"Columbine", "Ancolie", DailyItem::Category::plant, "🌸"},
    {"Lily of the valley", "Muguet", DailyItem::Category::plant, "🌸"},
    {"Mushroom", "Champignon", DailyItem::Category::plant, "🍄"},
    {"Hyacinth", "Hyacinthe", DailyItem::Category::plant, "💜"},
    {"Rake", "Râteau", DailyItem::Category::tool, "🔧"},
    {"Rhubarb", "Rhubarbe", DailyItem::Category::plant, "🥬"},
    {"Sainfoin", "Sainfoin", DailyItem::Category::plant, "🌸"},
    {"Wallflower", "Bâton-d'or", DailyItem::Category::plant, "🌼"},
    {"Fan palm", "Chamerops", DailyItem::Category::plant, "🌴"},
    {"Silkworm", "Ver à soie", DailyItem::Category::animal, "🐛"},
    {"Comfrey", "Consoude", DailyItem::Category::plant, "🌿"},
    {"Salad burnet", "Pimprenelle", DailyItem::Category::plant, "🌿"},
    {"Basket of gold", "Corbeille d'or", DailyItem::Category::plant, "🌼"},
    {"Orache", "Arroche", DailyItem::Category::plant, "🥬"},
    {"Garden hoe", "Sarcloir", DailyItem::Category::tool, "🔧"},
    {"Thrift", "Statice", DailyItem::Category::plant, "🌸"},
    {"Fritillary", "Fritillaire", DailyItem::Category::plant, "🌷"},
    {"Borage", "Bourrache", DailyItem::Category::plant, "🌸"},
    {"Valerian", "Valériane", DailyItem::Category::plant, "🌸"},
    {"Carp", "Carpe", DailyItem::Category::animal, "🐟"},
    {"Spindle", "Fusain", DailyItem::Category::plant, "🌳"},
    {"Chive", "Civette", DailyItem::Category::plant, "🌿"},
    {"Bugloss", "Buglosse", DailyItem::Category::plant, "🌸"},
    {"Wild mustard", "Sénevé", DailyItem::Category::plant, "🌼"},
    {"Shepherd's crook", "Houlette", DailyItem::Category::tool, "🔧"},
    // Prairial
    {"Alfalfa", "Luzerne", DailyItem::Category::plant, "🌿"},
    {"Day lily", "Hémérocalle", DailyItem::Category::plant, "🌸"},
    {"Clover", "Trèfle", DailyItem::Category::plant, "☘️"},
    {"Angelica", "Angélique", DailyItem::Category::plant, "🌿"},
    {"Duck", "Canard", DailyItem::Category::animal, "🦆"},
    {"Lemon balm", "Mélisse", DailyItem::Category::plant, "🌿"},
    {"Oat grass", "Fromental", DailyItem::Category::plant, "🌾"},
    {"Martagon lily", "Martagon", DailyItem::Category::plant, "🌸"},
    {"Wild thyme", "Serpolet", DailyItem::Category::plant, "🌿"},
    {"Scythe", "Faux", DailyItem::Category::tool, "🔧"},
    {"Strawberry", "Fraise", DailyItem::Category::plant, "🍓"},
    {"Woundwort", "Bétoine", DailyItem::Category::plant, "🌸"},
    {"Pea", "Pois", DailyItem::Category::plant, "🟢"},
    {"Acacia", "Acacia", DailyItem::Category::plant, "🌳"},
    {"Quail", "Caille", DailyItem::Category::animal, "🐦"},
    {"Carnation", "Œillet", DailyItem::Category::plant, "🌸"},
    {"Elderberry", "Sureau", DailyItem::Category::plant, "🫐"},
    {"Poppy", "Pavot", DailyItem::Category::plant, "🌺"},
    {"Lime tree", "Tilleul", DailyItem::Category::plant, "🌳"},
    {"Pitchfork", "Fourche", DailyItem::Category::tool, "🔱"},
    {"Cornflower", "Barbeau", DailyItem::Category::plant, "💙"},
    {"Camomile", "Camomille", DailyItem::Category::plant, "🌼"},
    {"Honeysuckle", "Chèvrefeuille", DailyItem::Category::plant, "🌸"},
    {"Bedstraw", "Caille-lait", DailyItem::Category::plant, "🌿"},
    {"Tench", "Tanche", DailyItem::Category::animal, "🐟"},
    {"Jasmine", "Jasmin", DailyItem::Category::plant, "🌸"},
    {"Vervain", "Verveine", DailyItem::Category::plant, "🌿"},
    {"Thyme", "Thym", DailyItem::Category::plant, "🌿"},
    {"Peony", "Pivoine", DailyItem::Category::plant, "🌺"},
    {"Cart", "Chariot", DailyItem::Category::tool, "🛒"},
    // Messidor
    {"Rye", "Seigle", DailyItem::Category::plant, "🌾"},
    {"Oat", "Avoine", DailyItem::Category::plant, "🌾"},
    {"Onion", "Oignon", DailyItem::Category::plant, "🧅"},
    {"Speedwell", "Véronique", DailyItem::Category::plant, "🌸"},
    {"Mule", "Mulet", DailyItem::Category::animal, "🫏"},
    {"Rosemary", "Romarin", DailyItem::Category::plant, "🌿"},
    {"Cucumber", "Concombre", DailyItem::Category::plant, "🥒"},
    {"Shallot", "Échalote", DailyItem::Category::plant, "🧅"},
    {"Wormwood", "Absinthe", DailyItem::Category::plant, "🌿"},
    {"Sickle", "Faucille", DailyItem::Category::tool, "🔧"},
    {"Coriander", "Coriandre", DailyItem::Category::plant, "🌿"},
    {"Artichoke", "Artichaut", DailyItem::Category::plant, "🥬"},
    {"Clove", "Giroflée", DailyItem::Category::plant, "🌸"},
    {"Lavender", "Lavande", DailyItem::Category::plant, "💜"},
    {"Chamois", "Chamois", DailyItem::Category::animal, "🦌"},
    {"Tobacco", "Tabac", DailyItem::Category::plant, "🌿"},
    {"Currant", "Groseille", DailyItem::Category::plant, "🍒"},
    {"Vetchling", "Gesse", DailyItem::Category::plant, "🌸"},
    {"Cherry", "Cerise", DailyItem::Category::plant, "🍒"},
    {"Park", "Parc", DailyItem::Category::tool, "🏞️"},
    {"Mint", "Menthe", DailyItem::Category::plant, "🌿"},
    {"Cumin", "Cumin", DailyItem::Category::plant, "🌿"},
    {"Bean", "Haricot", DailyItem::Category::plant, "🫘"},
    {"Alkanet", "Orcanète", DailyItem::Category::plant, "🌸"},
    {"Guinea fowl", "Pintade", DailyItem::Category::animal, "🐦"},
    {"Sage", "Sauge", DailyItem::Category::plant, "🌿"},
    {"Garlic", "Ail", DailyItem::Category::plant, "🧄"},
    {"Vetch", "Vesce", DailyItem::Category::plant, "🌿"},
    {"Wheat", "Blé", DailyItem::Category::plant, "🌾"},
    {"Shawm", "Chalémie", DailyItem::Category::tool, "🎵"},
    // Thermidor
    {"Spelt", "Épeautre", DailyItem::Category::plant, "🌾"},
    {"Mullein", "Bouillon blanc", DailyItem::Category::plant, "🌿"},
    {"Melon", "Melon", DailyItem::Category::plant, "🍈"},
    {"Ryegrass", "Ivraie", DailyItem::Category::plant, "🌾"},
    {"Ram", "Bélier", DailyItem::Category::animal, "🐏"},
    {"Horsetail", "Prêle", DailyItem::Category::plant, "🌿"},
    {"Mugwort", "Armoise", DailyItem::Category::plant, "🌿"},
    {"Safflower", "Carthame", DailyItem::Category::plant, "🌼"},
    {"Blackberry", "Mûre", DailyItem::Category::plant, "🫐"},
    {"Watering can", "Arrosoir", DailyItem::Category::tool, "🚿"},
    {"Panic grass", "Panic", DailyItem::Category::plant, "🌾"},
    {"Saltwort", "Salicorne", DailyItem::Category::plant, "🌿"},
    {"Apricot", "Abricot", DailyItem::Category::plant, "🍑"},
    {"Basil", "Basilic", DailyItem::Category::plant, "🌿"},
    {"Ewe", "Brebis", DailyItem::Category::animal, "🐑"},
    {"Marshmallow", "Guimauve", DailyItem::Category::plant, "🌸"},
    {"Flax", "Lin", DailyItem::Category::plant, "🌸"},
    {"Almond", "Amande", DailyItem::Category::plant, "🥜"},
    {"Gentian", "Gentiane", DailyItem::Category::plant, "🌸"},
    {"Lock", "Écluse", DailyItem::Category::tool, "🔒"},
    {"Carline thistle", "Carline", DailyItem::Category::plant, "🌸"},
    {"Caper", "Câprier", DailyItem::Category::plant, "🌿"},
    {"Lentil", "Lentille", DailyItem::Category::plant, "🫘"},
    {"Inula", "Aunée", DailyItem::Category::plant, "🌼"},
    {"Otter", "Loutre", DailyItem::Category::animal, "🦦"},
    {"Myrtle", "Myrte", DailyItem::Category::plant, "🌿"},
    {"Rapeseed", "Colza", DailyItem::Category::plant, "🌼"},
    {"Lupin", "Lupin", DailyItem::Category::plant, "🌸"},
    {"Cotton", "Coton", DailyItem::Category::plant, "☁️"},
    {"Mill", "Moulin", DailyItem::Category::tool, "🏭"},
    // Fructidor
    {"Plum", "Prune", DailyItem::Category::plant, "🍑"},
    {"Millet", "Millet", DailyItem::Category::plant, "🌾"},
    {"Puffball", "Lycoperdon", DailyItem::Category::plant, "🍄"},
    {"Six-row barley", "Escourgeon", DailyItem::Category::plant, "🌾"},
    {"Salmon", "Saumon", DailyItem::Category::animal, "🐟"},
    {"Tuberose", "Tubéreuse", DailyItem::Category::plant, "🌸"},
    {"Winter barley", "Sucrion", DailyItem::Category::plant, "🌾"},
    {"Apocynum", "Apocyn", DailyItem::Category::plant, "🌸"},
    {"Liquorice", "Réglisse", DailyItem::Category::plant, "🌿"},
    {"Ladder", "Échelle", DailyItem::Category::tool, "🪜"},
    {"Watermelon", "Pastèque", DailyItem::Category::plant, "🍉"},
    {"Fennel", "Fenouil", DailyItem::Category::plant, "🌿"},
    {"Barberry", "Épine-vinette", DailyItem::Category::plant, "🍒"},
    {"Walnut", "Noix", DailyItem::Category::plant, "🥜"},
    {"Trout", "Truite", DailyItem::Category::animal, "🐟"},
    {"Lemon", "Citron", DailyItem::Category::plant, "🍋"},
    {"Teasel", "Cardère", DailyItem::Category::plant, "🌿"},
    {"Buckthorn", "Nerprun", DailyItem::Category::plant, "🌳"},
    {"Marigold", "Tagette", DailyItem::Category::plant, "🌼"},
    {"Harvesting basket", "Hotte", DailyItem::Category::tool, "🧺"},
    {"Wild rose", "Églantine", DailyItem::Category::plant, "🌹"},
    {"Hazelnut", "Noisette", DailyItem::Category::plant, "🌰"},
    {"Hops", "Houblon", DailyItem::Category::plant, "🌿"},
    {"Sorghum", "Sorgho", DailyItem::Category::plant, "🌾"},
    {"Crayfish", "Écrevisse", DailyItem::Category::animal, "🦞"},
    {"Bitter orange", "Bigarade", DailyItem::Category::plant, "🍊"},
    {"Goldenrod", "Verge d'or", DailyItem::Category::plant, "🌼"},
    {"Maize", "Maïs", DailyItem::Category::plant, "🌽"},
    {"Chestnut", "Marron", DailyItem::Category::plant, "🌰"},
    {"Pack basket", "Panier", DailyItem::Category::tool, "🧺"},
}};

} // namespace DailyItems
