// Read before every file of the project when clang compiles it against libstdc++.
//
// libstdc++ 12 takes the buffer of std::stable_sort (and of the other merging algorithms) from
// std::get_temporary_buffer, which it marks deprecated itself; clang 19 reports that use, inside
// the library, at every stable sort of the project, and -Werror stops the build. The library's
// own use is silenced here, where its header is first read: a deprecated call in the project's
// own code still fails the build. Later libstdc++ versions silence it themselves.
#pragma once

#if defined(__clang__) && __has_include(<bits/stl_tempbuf.h>)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wdeprecated-declarations"
#include <bits/stl_tempbuf.h>
#pragma clang diagnostic pop
#endif
