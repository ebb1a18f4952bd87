// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/HistoricalData.h"

#include "calendar/LocalCalendar.h"

namespace HistoricalData {

std::vector<HistoricalEvent> events(const RevolutionaryDate& date)
{
    std::vector<HistoricalEvent> matching;
    for (const HistoricalEvent& event : allEvents) {
        if (event.revolutionaryDate.month == date.month && event.revolutionaryDate.day == date.day) {
            matching.push_back(event);
        }
    }
    return matching;
}

Instant lastGuillotineExecution()
{
    // A function-local static: resolved once, safely even if two threads get here together.
    static const Instant execution = LocalCalendar::instant({1977, 9, 10, 0, 0, 0})
                                         .value_or(Instant{std::chrono::days{LocalCalendar::dayNumber(1977, 9, 10)}});
    return execution;
}

std::int64_t daysSinceLastGuillotine()
{
    return daysSinceLastGuillotine(currentInstant());
}

std::int64_t daysSinceLastGuillotine(Instant now)
{
    return LocalCalendar::daysBetween(lastGuillotineExecution(), now).value_or(0);
}

// The table is not sorted by date; matches come back in this order.
const std::array<HistoricalEvent, 38> allEvents{{
    {{1, 1}, 1, "Republic Proclaimed", "The First French Republic is proclaimed, beginning Year I", "🇫🇷"},
    {{1, 13}, 2, "13 Vendémiaire", "Napoleon Bonaparte suppresses royalist uprising in Paris", "⚔️"},
    {{1, 24}, 1, "Calendar Adopted", "The National Convention adopts the Revolutionary Calendar", "📅"},
    {{2, 18}, 8, "18 Brumaire Coup", "Napoleon seizes power, ending the Revolution", "👑"},
    {{2, 19}, 8, "Consulate Established", "Napoleon becomes First Consul of France", "🏛️"},
    {{3, 10}, 2, "Cult of Reason", "Festival of Reason held in Notre-Dame de Paris", "🧠"},
    {{3, 14}, 2, "Law of Frimaire", "Centralization of revolutionary government power", "⚖️"},
    {{4, 2}, 1, "King's Trial Begins", "Louis XVI's trial before the National Convention begins", "👨‍⚖️"},
    {{4, 21}, 1, "Louis XVI Executed", "King Louis XVI is guillotined at Place de la Révolution", "💀"},
    {{5, 16}, 2, "Slavery Abolished", "First abolition of slavery in French colonies", "⛓️‍💥"},
    {{6, 8}, 2, "Ventôse Decrees", "Property of enemies of Revolution to be redistributed to poor", "📜"},
    {{6, 13}, 2, "Hébertists Arrested", "Ultra-radical Hébertists arrested by the Committee", "🚔"},
    {{6, 24}, 2, "Hébertists Executed", "Hébert and followers guillotined", "💀"},
    {{7, 5}, 2, "Danton Arrested", "Georges Danton and Desmoulins arrested", "🚔"},
    {{7, 16}, 2, "Danton Executed", "Danton guillotined, saying 'Show my head to the people'", "💀"},
    {{7, 12}, 3, "Germinal Uprising", "Sans-culottes storm the Convention demanding bread", "🍞"},
    {{8, 7}, 2, "Cult of Supreme Being", "Robespierre introduces state religion of the Supreme Being", "☀️"},
    {{8, 18}, 12, "Napoleon Emperor", "Napoleon proclaimed Emperor of the French", "👑"},
    {{8, 20}, 2, "Festival of Supreme Being", "Robespierre presides over massive Festival of the Supreme Being", "🎉"},
    {{9, 1}, 3, "Prairial Uprising", "Last major sans-culotte uprising against the Convention", "⚔️"},
    {{9, 22}, 2, "Law of 22 Prairial", "Terror intensifies - 'enemies of the people' have no defense", "💀"},
    {{10, 8}, 2, "Festival of Agriculture", "Celebration of rural life and farming", "🌾"},
    {{11, 9}, 2, "9 Thermidor", "Robespierre arrested - the Terror begins to end", "⚡"},
    {{11, 10}, 2, "Robespierre Executed", "Robespierre and 21 followers guillotined without trial", "💀"},
    {{11, 11}, 2, "End of Terror", "71 Robespierrists executed - largest mass execution of Revolution", "🏁"},
    {{12, 18}, 5, "18 Fructidor Coup", "Directory purges royalist members of legislature", "⚔️"},
    {{12, 23}, 1, "Metric System", "France adopts the metric system", "📏"},
    {{13, 1}, std::nullopt, "Fête de la Vertu", "Festival of Virtue - celebrating moral excellence", "✨"},
    {{13, 2}, std::nullopt, "Fête du Génie", "Festival of Genius - celebrating human intellect", "💡"},
    {{13, 3}, std::nullopt, "Fête du Travail", "Festival of Labour - celebrating work", "⚒️"},
    {{13, 4}, std::nullopt, "Fête de l'Opinion", "Festival of Opinion - celebrating free thought", "💭"},
    {{13, 5}, std::nullopt, "Fête des Récompenses", "Festival of Rewards - celebrating achievement", "🏆"},
    {{13, 6}, std::nullopt, "Fête de la Révolution", "Festival of Revolution - leap year celebration", "🇫🇷"},
    {{1, 6}, 2, "Marie Antoinette Trial", "Trial of Marie Antoinette begins", "👸"},
    {{1, 25}, 2, "Marie Antoinette Executed", "Former Queen guillotined at Place de la Révolution", "💀"},
    {{4, 4}, 2, "Committee of Public Safety", "Creation of the Committee that will lead the Terror", "🔥"},
    {{10, 26}, 1, "Marat Assassinated", "Jean-Paul Marat stabbed by Charlotte Corday", "🗡️"},
    {{2, 20}, 2, "Girondins Executed", "21 Girondin deputies guillotined", "💀"},
}};

} // namespace HistoricalData
