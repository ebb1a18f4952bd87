// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program's catalogs as a SourceTexts::Translate lookup, for the texts made without Qt.
namespace Catalog {

// QCoreApplication::translate(context, source), in UTF-8.
std::string translate(const char* context, const char* source);

} // namespace Catalog
