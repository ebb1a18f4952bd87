// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The interface's words are written in English in the sources and shown through the program's
// catalogs. Texts that quintaval-title's cheap path makes too, without Qt, take the lookup as an
// argument: the catalogs in the programs, the sources' English in the cheap path.

// lupdate finds the texts to translate by this mark; Qt's own definition is the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace SourceTexts {

// The text shown for `source` of `context`.
using Translate = std::string (*)(const char* context, const char* source);

// The lookup that shows the sources' English.
inline std::string english(const char* /*context*/, const char* source)
{
    return source;
}

} // namespace SourceTexts
