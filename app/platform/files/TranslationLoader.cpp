// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/TranslationLoader.h"

#include "app/platform/files/FileResourceDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "fr_FR.UTF-8@euro" → "fr_FR"; "C", "POSIX" and "" → "".
QString languageOfLocaleName(QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX")) {
        return {};
    }
    return name;
}

QString messagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return {};
}

bool loadInto(QCoreApplication* application, const QString& file, const QString& directory)
{
    auto translator = std::make_unique<QTranslator>(application);
    if (!translator->load(file, directory) || !QCoreApplication::installTranslator(translator.get())) {
        return false;
    }
    translator.release();
    return true;
}

} // namespace

namespace TranslationLoader {

QStringList preferredLanguages()
{
    const QString messages = languageOfLocaleName(messagesLocale());
    if (messages.isEmpty()) {
        return {};
    }
    QStringList languages;
    for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString language = languageOfLocaleName(entry);
        if (!language.isEmpty()) {
            languages << language;
        }
    }
    languages << messages;
    languages.removeDuplicates();
    return languages;
}

QString install(const QString& directory, const QStringList& languages)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || directory.isEmpty()) {
        return {};
    }
    for (const QString& language : languages) {
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))) {
            return {};
        }
        // QTranslator falls back from "quintaval_fr_FR" to "quintaval_fr" by itself.
        if (loadInto(application, QStringLiteral("quintaval_") + language, directory)) {
            // Qt's standard buttons and pickers in the same language, not in whichever the
            // locale would pick on its own.
            loadInto(application, QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return language;
        }
    }
    return {};
}

QString directoryForRunningProgram()
{
    const QString root = FileResourceDirectory::forRunningProgram().root();
    return root.isEmpty() ? QString() : root + QStringLiteral("/translations");
}

} // namespace TranslationLoader
