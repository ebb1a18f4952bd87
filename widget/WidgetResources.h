// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace WidgetResources {

// The resource directory next to the binary holding this code: <prefix>/share/quintaval when
// installed in <prefix>/<libdir>/quintaval/widgets, <build>/resources in the build tree.
// Empty when neither exists.
QString locate();

} // namespace WidgetResources
