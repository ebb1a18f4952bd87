<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AppTheme</name>
    <message>
        <source>Sepia night</source>
        <translation>Nuit sépia</translation>
    </message>
    <message>
        <source>Light parchment</source>
        <translation>Parchemin clair</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Comme le bureau</translation>
    </message>
</context>
<context>
    <name>CalendarExportSection</name>
    <message>
        <source>Export to calendar</source>
        <translation>Exporter vers un agenda</translation>
    </message>
    <message>
        <source>an </source>
        <translation>an </translation>
    </message>
    <message>
        <source>First year to export</source>
        <translation>Première année à exporter</translation>
    </message>
    <message>
        <source>Last year to export</source>
        <translation>Dernière année à exporter</translation>
    </message>
    <message>
        <source>Export to calendar…</source>
        <translation>Exporter vers un agenda…</translation>
    </message>
    <message>
        <source>Writes one all-day event a day, with its plant, animal, tool or mineral, to an iCalendar file; importing it again replaces the days</source>
        <translation>Écrit un événement d’une journée par jour, avec sa plante, son animal, son outil ou son minéral, dans un fichier iCalendar&#x202f;; un second import remplace les jours</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>%1 days written to %2</source>
        <extracomment>%1 the number of days, %2 the file</extracomment>
        <translation>%1 jours écrits dans %2</translation>
    </message>
    <message>
        <source>Nothing written: %1</source>
        <translation>Rien n’a été écrit&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows desktop widgets, such as the Revolutionary Calendar.</source>
        <translation>Montre des widgets de bureau, comme le calendrier républicain.</translation>
    </message>
    <message>
        <source>Draw a face into a PNG file.</source>
        <translation>Dessiner une face dans un fichier PNG.</translation>
    </message>
    <message>
        <source>Print the widget&apos;s timeline.</source>
        <translation>Écrire la chronologie du widget.</translation>
    </message>
    <message>
        <source>The instant to draw or list for (ISO 8601, local time unless an offset is given).</source>
        <translation>L’instant à dessiner ou à lister (ISO 8601, en heure locale sauf décalage donné).</translation>
    </message>
    <message>
        <source>date-time</source>
        <translation>date-heure</translation>
    </message>
    <message>
        <source>Draw as on a dark desktop.</source>
        <translation>Dessiner comme sur un bureau sombre.</translation>
    </message>
    <message>
        <source>Where --render writes.</source>
        <translation>Où --render écrit.</translation>
    </message>
    <message>
        <source>FILE.png</source>
        <translation>FICHIER.png</translation>
    </message>
    <message>
        <source>The widget, when several are loaded.</source>
        <translation>Le widget, quand plusieurs sont chargés.</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>type</translation>
    </message>
    <message>
        <source>Load widget plug-ins from this folder instead.</source>
        <translation>Charger les greffons de widgets depuis ce dossier à la place.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ISO 8601 date and time.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date et heure ISO 8601.</translation>
    </message>
    <message>
        <source>quintaval-widgets is already running; its gallery opens.</source>
        <translation>quintaval-widgets tourne déjà&#x202f;; sa galerie s’ouvre.</translation>
    </message>
</context>
<context>
    <name>DailyItem</name>
    <message>
        <source>Plant</source>
        <translation>Plante</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animal</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outil</translation>
    </message>
    <message>
        <source>Mineral</source>
        <translation>Minéral</translation>
    </message>
    <message>
        <source>ENGLISH_NAME_SHOWN</source>
        <extracomment>&quot;no&quot; where the English name of a day&apos;s item tells the reader nothing, so that the interface shows its category alone under the French name.</extracomment>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>DailyItemSection</name>
    <message>
        <source>Engraving: %1</source>
        <translation>Gravure&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>DateHeader</name>
    <message>
        <source>The Revolutionary calendar replaced the 7-day week with a 10-day &apos;décade&apos;. Workers got 1 rest day per 10 instead of per 7.</source>
        <translation>Le calendrier révolutionnaire remplaça la semaine de 7 jours par une «&#xa0;décade&#xa0;» de 10 jours. Les travailleurs eurent 1 jour de repos sur 10 au lieu de 1 sur 7.</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <translation>Grégorien</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>The month&apos;s meaning in quotation marks; French sets them as « ».</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 of décade</source>
        <translation>%1 jour de la décade</translation>
    </message>
</context>
<context>
    <name>DateHelp</name>
    <message>
        <source>Usage: quintaval-date [--leap-rule RULE] [--json] DATE
       quintaval-date [--leap-rule RULE] --ics FROM TO

Reads DATE in either calendar and prints it in the other. A civil date (1799-11-09,
or as this locale writes dates) gives the Republican date, its day of the decade and
the day&apos;s plant, animal, tool or mineral; a Republican date (&quot;18 Brumaire an VIII&quot;,
&quot;18 brumaire 8&quot;, &quot;3 Sans-culottides an III&quot;) gives the civil date, ISO 8601 first.
Days from 1 Vendemiaire an I (22 September 1792) to 31 December 9999.

  --leap-rule RULE   how the leap years are reckoned, one of continuous (the
                     default), romme, madler or equinox. Without it, the rule chosen
                     in Quintaval&apos;s settings is used.
  --json             print one JSON object with both dates and the day&apos;s item.
  --ics FROM TO      write the days from FROM to TO (either calendar, at most a
                     hundred years) as an iCalendar file on standard output: one
                     all-day event a day, which a calendar program imports again
                     without doubling.
  -h, --help         show this help and exit
  --version          show the version and exit

Examples:
  quintaval-date 1799-11-09
  quintaval-date &quot;18 Brumaire an VIII&quot;
  quintaval-date --ics 2026-01-01 2026-12-31 &gt; republican.ics

Exit status: 0 on success, 1 when the output cannot be written, 2 for a bad option
or a date that does not exist.
</source>
        <translation>Utilisation&#x202f;: quintaval-date [--leap-rule RÈGLE] [--json] DATE
              quintaval-date [--leap-rule RÈGLE] --ics DÉBUT FIN

Lit DATE dans l’un ou l’autre calendrier et l’écrit dans l’autre. Une date civile
(1799-11-09, ou comme la langue écrit les dates) donne la date républicaine, son jour de
la décade et la plante, l’animal, l’outil ou le minéral du jour&#x202f;; une date
républicaine («&#xa0;18 Brumaire an VIII&#xa0;», «&#xa0;18 brumaire 8&#xa0;», «&#xa0;3 Sans-culottides an III&#xa0;»)
donne la date civile, en ISO 8601 d’abord.
Du 1er Vendémiaire an I (22 septembre 1792) au 31 décembre 9999.

  --leap-rule RÈGLE  la règle des années sextiles, l’une de continuous (par défaut),
                     romme, madler ou equinox. Sans cette option, la règle choisie
                     dans les réglages de Quintaval.
  --json             écrire un objet JSON avec les deux dates et l’objet du jour.
  --ics DÉBUT FIN    écrire les jours de DÉBUT à FIN (dans l’un ou l’autre
                     calendrier, cent ans au plus) en fichier iCalendar sur la sortie
                     standard&#x202f;: un événement d’une journée par jour, qu’un agenda
                     importe à nouveau sans le doubler.
  -h, --help         afficher cette aide et quitter
  --version          afficher la version et quitter

Exemples&#x202f;:
  quintaval-date 1799-11-09
  quintaval-date &quot;18 Brumaire an VIII&quot;
  quintaval-date --ics 2026-01-01 2026-12-31 &gt; republicain.ics

Code de retour&#x202f;: 0 en cas de succès, 1 si la sortie ne peut être écrite, 2 pour une
option erronée ou une date qui n’existe pas.
</translation>
    </message>
</context>
<context>
    <name>DateOptions</name>
    <message>
        <source>--leap-rule needs a value: %1</source>
        <translation>--leap-rule attend une valeur&#x202f;: %1</translation>
    </message>
    <message>
        <source>unknown leap-year rule &apos;%1&apos;; use %2</source>
        <translation>règle des années sextiles inconnue «&#xa0;%1&#xa0;»&#x202f;; utilisez %2</translation>
    </message>
    <message>
        <source>--ics needs two dates, the first and the last day</source>
        <translation>--ics attend deux dates, le premier et le dernier jour</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see quintaval-date --help</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»&#x202f;; voir quintaval-date --help</translation>
    </message>
    <message>
        <source>--ics takes its two dates and no other; give one or the other</source>
        <translation>--ics prend ses deux dates et aucune autre&#x202f;; donnez l’un ou l’autre</translation>
    </message>
    <message>
        <source>--ics writes iCalendar, not JSON: use one of them</source>
        <translation>--ics écrit de l’iCalendar, pas du JSON&#x202f;: utilisez l’un des deux</translation>
    </message>
    <message>
        <source>no date given; see quintaval-date --help</source>
        <translation>aucune date donnée&#x202f;; voir quintaval-date --help</translation>
    </message>
</context>
<context>
    <name>DateQuery</name>
    <message>
        <source>%1 is before 1 Vendémiaire an I (%2), the first day of the calendar</source>
        <translation>%1 précède le 1er Vendémiaire an I (%2), premier jour du calendrier</translation>
    </message>
    <message>
        <source>This day</source>
        <translation>Ce jour</translation>
    </message>
    <message>
        <source>%1 is after %2, the last day shown</source>
        <translation>%1 suit le %2, dernier jour montré</translation>
    </message>
    <message>
        <source>Write the year in full, with four digits: %1 could be more than one year</source>
        <translation>Écrivez l’année en entier, sur quatre chiffres&#x202f;: %1 pourrait désigner plusieurs années</translation>
    </message>
    <message>
        <source>There is no month %1: the months go from 1 to 12</source>
        <translation>Il n’y a pas de mois %1&#x202f;: les mois vont de 1 à 12</translation>
    </message>
    <message>
        <source>%1 has %2 days: there is no day %3</source>
        <extracomment>%1 the month and year in words (&quot;February 2023&quot;), %2 its number of days, %3 the day asked for</extracomment>
        <translation>%1 compte %2 jours&#x202f;: il n’y a pas de jour %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month of the Republican calendar (Vendémiaire to Fructidor, then the Sansculottides)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un mois du calendrier républicain (de Vendémiaire à Fructidor, puis les Sansculottides)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a Roman numeral as years are written (an VIII, an CCXXXIV)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre romain comme s’écrivent les années (an VIII, an CCXXXIV)</translation>
    </message>
    <message>
        <source>There are five complementary days, six in a leap year: there is no %1 %2</source>
        <translation>Il y a cinq jours complémentaires, six les années sextiles&#x202f;: il n’y a pas de %1 %2</translation>
    </message>
    <message>
        <source>An %1 is a common year under the %2 rule: it has five complementary days, not six</source>
        <extracomment>%1 the year (&quot;an III&quot;), %2 the leap-year rule&apos;s name</extracomment>
        <translation>L’an %1 est une année commune selon la règle %2&#x202f;: il a cinq jours complémentaires, pas six</translation>
    </message>
    <message>
        <source>Every month has 30 days: there is no %1 %2</source>
        <translation>Chaque mois a 30 jours&#x202f;: il n’y a pas de %1 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of the décade (Primidi to Décadi)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un jour de la décade (de Primidi à Décadi)</translation>
    </message>
    <message>
        <source>%1 %2 falls on %3, not on %4</source>
        <extracomment>&quot;18 Brumaire falls on Octidi, not on Primidi&quot;</extracomment>
        <translation>Le %1 %2 tombe un %3, pas un %4</translation>
    </message>
    <message>
        <source>Type a date, such as 1799-11-09 or 18 Brumaire an VIII</source>
        <translation>Tapez une date, comme 1799-11-09 ou 18 Brumaire an VIII</translation>
    </message>
    <message>
        <source>Cannot read &apos;%1&apos; as a date: write 1799-11-09, %2 or 18 Brumaire an VIII</source>
        <extracomment>%1 what was typed, %2 the locale&apos;s short date format (&quot;dd/MM/yyyy&quot;)</extracomment>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» comme une date&#x202f;: écrivez 1799-11-09, %2 ou 18 Brumaire an VIII</translation>
    </message>
</context>
<context>
    <name>GalleryWindow</name>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grand</translation>
    </message>
    <message>
        <source>Add Widget</source>
        <translation>Ajouter le widget</translation>
    </message>
    <message>
        <source>Widgets</source>
        <translation>Widgets</translation>
    </message>
    <message>
        <source>No widgets are available.</source>
        <translation>Aucun widget n’est disponible.</translation>
    </message>
</context>
<context>
    <name>GoToDateField</name>
    <message>
        <source>1799-11-09 or 18 Brumaire an VIII</source>
        <translation>1799-11-09 ou 18 Brumaire an VIII</translation>
    </message>
    <message>
        <source>Go to a date</source>
        <translation>Aller à une date</translation>
    </message>
    <message>
        <source>A civil or a Republican date; Enter shows it, Escape closes</source>
        <translation>Une date civile ou républicaine&#x202f;; Entrée la montre, Échap ferme</translation>
    </message>
</context>
<context>
    <name>GuillotineSection</name>
    <message>
        <source>Days Since Last Guillotine</source>
        <translation>Jours depuis la dernière guillotine</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <comment>date format of the last execution</comment>
        <translation>d MMM yyyy</translation>
    </message>
</context>
<context>
    <name>IcsCalendar</name>
    <message>
        <source>The last day comes before the first</source>
        <translation>Le dernier jour précède le premier</translation>
    </message>
    <message>
        <source>At most a hundred years can be exported at once</source>
        <translation>On exporte au plus cent ans à la fois</translation>
    </message>
</context>
<context>
    <name>LeapRule</name>
    <message>
        <source>Continuous</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Years 3, 7, 11, 15… every fourth year, with no century rule (the default)</source>
        <translation>Années 3, 7, 11, 15… une sur quatre, sans règle des siècles (par défaut)</translation>
    </message>
    <message>
        <source>Leap years: continuous (3, 7, 11…)</source>
        <translation>Années sextiles&#x202f;: continues (3, 7, 11…)</translation>
    </message>
    <message>
        <source>Romme</source>
        <translation>Romme</translation>
    </message>
    <message>
        <source>Years 3, 7, 11, 15, then every fourth year from 20; centuries only when divisible by 400</source>
        <translation>Années 3, 7, 11, 15, puis une sur quatre dès l’an 20&#x202f;; les siècles seulement divisibles par 400</translation>
    </message>
    <message>
        <source>Leap years: Romme (20, 24, 28…)</source>
        <translation>Années sextiles&#x202f;: Romme (20, 24, 28…)</translation>
    </message>
    <message>
        <source>von Mädler</source>
        <translation>von Mädler</translation>
    </message>
    <message>
        <source>Years 3, 7, 11, 15, then every fourth year from 20, except every 128th</source>
        <translation>Années 3, 7, 11, 15, puis une sur quatre dès l’an 20, sauf une tous les 128 ans</translation>
    </message>
    <message>
        <source>Leap years: von Mädler (20, 24, 28…)</source>
        <translation>Années sextiles&#x202f;: von Mädler (20, 24, 28…)</translation>
    </message>
    <message>
        <source>Equinox</source>
        <translation>Équinoxe</translation>
    </message>
    <message>
        <source>Each year begins on the day of the autumn equinox at Paris, as the decree of 1793 said</source>
        <translation>Chaque année commence le jour de l’équinoxe d’automne à Paris, comme le voulait le décret de 1793</translation>
    </message>
    <message>
        <source>Leap years: by the equinox at Paris</source>
        <translation>Années sextiles&#x202f;: selon l’équinoxe à Paris</translation>
    </message>
</context>
<context>
    <name>MenuBarFormat</name>
    <message>
        <source>Date &amp; decimal time</source>
        <translation>Date et heure décimale</translation>
    </message>
    <message>
        <source>Date only</source>
        <translation>Date seule</translation>
    </message>
    <message>
        <source>Decimal time only</source>
        <translation>Heure décimale seule</translation>
    </message>
    <message>
        <source>Day number only</source>
        <translation>Numéro du jour seul</translation>
    </message>
</context>
<context>
    <name>MenuBarView</name>
    <message>
        <source>Quintaval calendar</source>
        <translation>Calendrier Quintaval</translation>
    </message>
</context>
<context>
    <name>MonthView</name>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Go to a date (G)</source>
        <translation>Aller à une date (G)</translation>
    </message>
    <message>
        <source>Go to…</source>
        <translation>Aller à…</translation>
    </message>
    <message>
        <source>%1 an %2</source>
        <extracomment>The month shown in the month view: &quot;Brumaire an VIII&quot;</extracomment>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affiché</translation>
    </message>
    <message>
        <source>Show the month (M)</source>
        <translation>Afficher le mois (M)</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Return to today</source>
        <translation>Revenir à aujourd’hui</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Previous day (Left)</source>
        <translation>Jour précédent (flèche gauche)</translation>
    </message>
    <message>
        <source>Next day (Right)</source>
        <translation>Jour suivant (flèche droite)</translation>
    </message>
    <message>
        <source>Return to today (Home or T)</source>
        <translation>Revenir à aujourd’hui (Début ou T)</translation>
    </message>
</context>
<context>
    <name>OnThisDaySection</name>
    <message>
        <source>ON THIS DAY</source>
        <translation>EN CE JOUR</translation>
    </message>
</context>
<context>
    <name>PanelFooter</name>
    <message>
        <source>Preferences</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copié&#x202f;!</translation>
    </message>
    <message>
        <source>Click or S to toggle • Alt-click or Shift+S to test chime</source>
        <translation>Clic ou S&#x202f;: activer ou couper • Alt-clic ou Maj+S&#x202f;: essayer le carillon</translation>
    </message>
    <message>
        <source>Hourly chimes</source>
        <translation>Carillon des heures</translation>
    </message>
    <message>
        <source>Play the chime</source>
        <translation>Faire sonner le carillon</translation>
    </message>
    <message>
        <source>Copy date (Ctrl+C)</source>
        <translation>Copier la date (Ctrl+C)</translation>
    </message>
    <message>
        <source>Copy date</source>
        <translation>Copier la date</translation>
    </message>
    <message>
        <source>Preferences (Ctrl+,)</source>
        <translation>Réglages (Ctrl+,)</translation>
    </message>
    <message>
        <source>Quit Quintaval (Ctrl+Q)</source>
        <translation>Quitter Quintaval (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Quit Quintaval</source>
        <translation>Quitter Quintaval</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>%1st</source>
        <translation>%1er</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1e</translation>
    </message>
    <message>
        <source>Month of Grape Harvest</source>
        <translation>Mois des vendanges</translation>
    </message>
    <message>
        <source>Month of Fog</source>
        <translation>Mois des brumes</translation>
    </message>
    <message>
        <source>Month of Frost</source>
        <translation>Mois des frimas</translation>
    </message>
    <message>
        <source>Month of Snow</source>
        <translation>Mois de la neige</translation>
    </message>
    <message>
        <source>Month of Rain</source>
        <translation>Mois des pluies</translation>
    </message>
    <message>
        <source>Month of Wind</source>
        <translation>Mois du vent</translation>
    </message>
    <message>
        <source>Month of Germination</source>
        <translation>Mois de la germination</translation>
    </message>
    <message>
        <source>Month of Flowers</source>
        <translation>Mois des fleurs</translation>
    </message>
    <message>
        <source>Month of Meadows</source>
        <translation>Mois des prairies</translation>
    </message>
    <message>
        <source>Month of Harvest</source>
        <translation>Mois des moissons</translation>
    </message>
    <message>
        <source>Month of Heat</source>
        <translation>Mois de la chaleur</translation>
    </message>
    <message>
        <source>Month of Fruit</source>
        <translation>Mois des fruits</translation>
    </message>
    <message>
        <source>Complementary Days</source>
        <translation>Jours complémentaires</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>A screen reader&apos;s reading of the day shown: the Republican date, the day of the décade, the civil date.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
</context>
<context>
    <name>QuintavalApp</name>
    <message>
        <source>Open Quintaval</source>
        <translation>Ouvrir Quintaval</translation>
    </message>
    <message>
        <source>Copy Date</source>
        <translation>Copier la date</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Quit Quintaval</source>
        <translation>Quitter Quintaval</translation>
    </message>
</context>
<context>
    <name>QuintavalWidget</name>
    <message>
        <source>Revolutionary Calendar</source>
        <translation>Calendrier républicain</translation>
    </message>
    <message>
        <source>Display today&apos;s date in the French Revolutionary Calendar.</source>
        <translation>Affiche la date du jour dans le calendrier républicain.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Quintaval Settings</source>
        <translation>Réglages de Quintaval</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show the day&apos;s number on the icon</source>
        <translation>Afficher le numéro du jour sur l’icône</translation>
    </message>
    <message>
        <source>Notify me each morning</source>
        <translation>Me prévenir chaque matin</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Daily reminder</source>
        <translation>Rappel quotidien</translation>
    </message>
    <message>
        <source>Hourly chimes (La Marseillaise)</source>
        <translation>Carillon des heures (La Marseillaise)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Leap years</source>
        <translation>Années sextiles</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Heure du rappel</translation>
    </message>
</context>
<context>
    <name>TimeSection</name>
    <message>
        <source>Decimal Time</source>
        <translation>Heure décimale</translation>
    </message>
    <message>
        <source>Standard Time</source>
        <translation>Heure usuelle</translation>
    </message>
</context>
<context>
    <name>TitleHelp</name>
    <message>
        <source>Usage: quintaval-title [--format FORMAT] [--leap-rule RULE] [--at DATE]
                       [--json | --genmon] [--follow | --changed-from LINE]

Prints Quintaval&apos;s status-bar title for the present moment: the day in the French
Republican calendar and the time in decimal time (10 hours of 100 minutes).

  --format FORMAT    the title&apos;s format, one of
%1                     Without it, the format chosen in Quintaval&apos;s settings is used
                     ($XDG_CONFIG_HOME/Quintaval/Quintaval.conf; dateAndTime if none).
  --leap-rule RULE   how the leap years are reckoned, one of continuous (years 3, 7,
                     11, 15…, the default), romme, madler or equinox. Without it,
                     the rule chosen in Quintaval&apos;s settings is used.
  --at DATE          show DATE instead of the present moment: YYYY-MM-DD,
                     YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS in local time, from
                     %2 to %3.
  --follow           keep running and print a new line each time the text changes:
                     each decimal minute (86.4 s) or, for date and dayNumber, at
                     midnight; also when the clock is set, the time zone or the
                     chosen format or leap-year rule changes. Ends quietly when its
                     reader goes away.
  --changed-from LINE
                     print the line once it reads otherwise than LINE, then exit:
                     at once when it already does, else at its next change, on the
                     same wake-ups as --follow. For panels that run the command
                     again each time it ends, passing the line they show (Quintaval&apos;s
                     Plasma widget does): no change is missed between two runs.
  --json             print waybar&apos;s JSON object instead: &quot;text&quot; (the title),
                     &quot;tooltip&quot; (the full date, the day of the décade, the decimal
                     time, the day&apos;s plant, animal, tool or mineral and the leap-year
                     rule) and &quot;class&quot; (the month, such as &quot;frimaire&quot;); one object
                     per line.
  --genmon           print the title for XFCE&apos;s generic monitor plugin instead: the
                     text, the tooltip --json gives and a click that opens
                     Quintaval&apos;s panel. Made without Qt, so that running it every
                     few seconds costs little.
  -h, --help         show this help and exit
  --version          show the version and exit

Examples:
  waybar    &quot;custom/quintaval&quot;: {&quot;exec&quot;: &quot;quintaval-title --json --follow&quot;,
                                  &quot;return-type&quot;: &quot;json&quot;}
  polybar   exec = quintaval-title --follow   with   tail = true
  i3blocks  command=quintaval-title --follow   with   interval=persist
  tmux      set -g status-right &apos;#(quintaval-title --format decimalTime)&apos;
  conky     ${execi 10 quintaval-title}
  xfce4     genmon plugin: command quintaval-title --genmon, period 10 s

Exit status: 0 on success, 1 when the title cannot be written, 2 for a bad option.
</source>
        <comment>%1 is the list of formats, one per line with a sample; %2 and %3 the first and last days --at takes</comment>
        <translation>Utilisation&#x202f;: quintaval-title [--format FORMAT] [--leap-rule RÈGLE] [--at DATE]
                       [--json | --genmon] [--follow | --changed-from LIGNE]

Écrit le titre de Quintaval dans la barre d’état pour l’instant présent&#x202f;: le jour
dans le calendrier républicain et l’heure en temps décimal (10 heures de 100 minutes).

  --format FORMAT    le format du titre, l’un de
%1                     Sans cette option, le format choisi dans les réglages de
                     Quintaval ($XDG_CONFIG_HOME/Quintaval/Quintaval.conf&#x202f;;
                     dateAndTime à défaut).
  --leap-rule RÈGLE  la règle des années sextiles, l’une de continuous (années 3, 7,
                     11, 15…, par défaut), romme, madler ou equinox. Sans cette
                     option, la règle choisie dans les réglages de Quintaval.
  --at DATE          montrer DATE au lieu de l’instant présent&#x202f;: AAAA-MM-JJ,
                     AAAA-MM-JJTHH:MM ou AAAA-MM-JJTHH:MM:SS en heure locale, du
                     %2 au %3.
  --follow           continuer et écrire une nouvelle ligne à chaque changement du
                     texte&#x202f;: chaque minute décimale (86,4 s) ou, pour date et
                     dayNumber, à minuit&#x202f;; aussi quand l’horloge est réglée, quand
                     le fuseau horaire, le format ou la règle choisis changent.
                     S’arrête sans bruit quand son lecteur s’en va.
  --changed-from LIGNE
                     écrire la ligne dès qu’elle diffère de LIGNE, puis s’arrêter&#x202f;:
                     aussitôt si elle en diffère déjà, sinon à son prochain
                     changement, celui qu’écrirait --follow. Pour les panneaux qui
                     relancent la commande chaque fois qu’elle se termine en lui
                     passant la ligne qu’ils montrent (ainsi le widget Plasma de
                     Quintaval)&#x202f;: aucun changement n’est perdu entre deux lancements.
  --json             écrire à la place l’objet JSON de waybar&#x202f;: &quot;text&quot; (le titre),
                     &quot;tooltip&quot; (la date complète, le jour de la décade, l’heure
                     décimale, la plante, l’animal, l’outil ou le minéral du jour et
                     la règle des années sextiles) et &quot;class&quot; (le mois, comme
                     «&#xa0;frimaire&#xa0;»)&#x202f;; un objet par ligne.
  --genmon           écrire à la place le titre pour le moniteur générique de XFCE&#x202f;:
                     le texte, l’infobulle que donne --json et un clic qui ouvre le
                     panneau de Quintaval. Fait sans Qt, pour qu’on puisse le lancer
                     toutes les quelques secondes à peu de frais.
  -h, --help         afficher cette aide et s’arrêter
  --version          afficher la version et s’arrêter

Exemples&#x202f;:
  waybar    &quot;custom/quintaval&quot;: {&quot;exec&quot;: &quot;quintaval-title --json --follow&quot;,
                                  &quot;return-type&quot;: &quot;json&quot;}
  polybar   exec = quintaval-title --follow   avec   tail = true
  i3blocks  command=quintaval-title --follow   avec   interval=persist
  tmux      set -g status-right &apos;#(quintaval-title --format decimalTime)&apos;
  conky     ${execi 10 quintaval-title}
  xfce4     moniteur générique&#x202f;: commande quintaval-title --genmon, période 10 s

Code de retour&#x202f;: 0 en cas de succès, 1 quand le titre ne peut être écrit, 2 pour
une mauvaise option.
</translation>
    </message>
</context>
<context>
    <name>TitleOptions</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--format needs a value: %1</source>
        <translation>--format demande une valeur&#x202f;: %1</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;; use %2</source>
        <translation>format inconnu «&#xa0;%1&#xa0;»&#x202f;; utilisez %2</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;; see quintaval-title --help</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»&#x202f;; voyez quintaval-title --help</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; see quintaval-title --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»&#x202f;; voyez quintaval-title --help</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos; as a date: use YYYY-MM-DD, YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;» comme une date&#x202f;: utilisez AAAA-MM-JJ, AAAA-MM-JJTHH:MM ou AAAA-MM-JJTHH:MM:SS</translation>
    </message>
    <message>
        <source>%1 is outside the days shown, %2 to %3</source>
        <translation>%1 est hors des jours montrés, du %2 au %3</translation>
    </message>
    <message>
        <source>the clock reads %1, outside the days shown, %2 to %3</source>
        <translation>l’horloge indique le %1, hors des jours montrés, du %2 au %3</translation>
    </message>
    <message>
        <source>there is no %1 in this time zone: the clocks go forward over it</source>
        <extracomment>The local time falls in the gap where the clocks go forward (daylight saving time).</extracomment>
        <translation>%1 n’existe pas dans ce fuseau horaire&#x202f;: les horloges le sautent en avançant</translation>
    </message>
    <message>
        <source>--leap-rule needs a value: %1</source>
        <translation>--leap-rule demande une valeur&#x202f;: %1</translation>
    </message>
    <message>
        <source>--at needs a value: a date such as 2026-12-09 or 2026-12-09T10:40</source>
        <translation>--at demande une valeur&#x202f;: une date comme 2026-12-09 ou 2026-12-09T10:40</translation>
    </message>
    <message>
        <source>unknown leap-year rule &apos;%1&apos;; use %2</source>
        <translation>règle des années sextiles inconnue «&#xa0;%1&#xa0;»&#x202f;; utilisez %2</translation>
    </message>
    <message>
        <source>--at shows one moment and --follow the moments to come: use one of them</source>
        <translation>--at montre un moment et --follow les moments à venir&#x202f;: utilisez l’un des deux</translation>
    </message>
    <message>
        <source>--genmon is read once a run by XFCE&apos;s panel: use it without --json and --follow</source>
        <translation>--genmon est lu une fois par lancement par le panneau de XFCE&#x202f;: employez-le sans --json ni --follow</translation>
    </message>
    <message>
        <source>--changed-from needs a value: the line shown now</source>
        <translation>--changed-from demande une valeur&#x202f;: la ligne montrée maintenant</translation>
    </message>
    <message>
        <source>--changed-from waits for the next line: use it without %1</source>
        <translation>--changed-from attend la ligne suivante&#x202f;: utilisez-la sans %1</translation>
    </message>
</context>
<context>
    <name>WidgetPluginLoader</name>
    <message>
        <source>No widget plug-in found in %1.</source>
        <translation>Aucun greffon de widget trouvé dans %1.</translation>
    </message>
    <message>
        <source>Widget plug-in %1 does not exist.</source>
        <translation>Le greffon de widget %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot load widget plug-in %1: %2</source>
        <translation>Impossible de charger le greffon de widget %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1 is not a widget plug-in: it does not implement %2.</source>
        <translation>%1 n’est pas un greffon de widget&#x202f;: il n’implémente pas %2.</translation>
    </message>
    <message>
        <source>Widget plug-in %1 declares an incomplete widget &quot;%2&quot;; it is left out.</source>
        <translation>Le greffon de widget %1 déclare un widget incomplet «&#xa0;%2&#xa0;»&#x202f;; il est écarté.</translation>
    </message>
    <message>
        <source>Widget &quot;%1&quot; of %2 is already loaded from another plug-in.</source>
        <translation>Le widget «&#xa0;%1&#xa0;» de %2 est déjà chargé depuis un autre greffon.</translation>
    </message>
    <message>
        <source>Widget plug-in %1 declares no usable widget.</source>
        <translation>Le greffon de widget %1 ne déclare aucun widget utilisable.</translation>
    </message>
</context>
<context>
    <name>WidgetWindow</name>
    <message>
        <source>Add Widgets…</source>
        <translation>Ajouter des widgets…</translation>
    </message>
    <message>
        <source>Remove Widget</source>
        <translation>Retirer le widget</translation>
    </message>
</context>
</TS>
