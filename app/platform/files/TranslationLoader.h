// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Puts the program's texts, and Qt's own, into the user's language. One catalog,
// quintaval_<language>.qm, serves every program of the project; English is the language of the
// sources and needs none.
namespace TranslationLoader {

// The user's languages, most wanted first, as the locale's environment names them: LANGUAGE (a
// colon-separated list) and then the first of LC_ALL, LC_MESSAGES and LANG that is set. As with
// gettext, LANGUAGE is ignored while the messages locale is C or POSIX, so a program run with
// LC_ALL=C speaks English whatever else is set.
QStringList preferredLanguages();

// Installs into the running application the catalog of the first of `languages` that has one in
// `directory` ("fr_FR" is served by quintaval_fr_FR.qm, else quintaval_fr.qm), and Qt's catalog
// for the same language. A language of English, or reaching the end of the list, stops the search:
// the texts stay English. Returns the language loaded, or an empty string.
QString install(const QString& directory, const QStringList& languages = preferredLanguages());

// Where the catalogs of the program that runs are: beside its other resources.
QString directoryForRunningProgram();

} // namespace TranslationLoader
