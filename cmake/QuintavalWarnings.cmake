# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for our own targets only; third-party headers come in as system includes.
function(quintaval_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                                             -Wcast-align -Woverloaded-virtual -Wformat=2)
endfunction()
