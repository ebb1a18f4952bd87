// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/Catalog.h"

#include <QCoreApplication>

namespace Catalog {

std::string translate(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace Catalog
