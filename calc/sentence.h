#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace calc {

// `text` with %1 to %9 replaced by `values`, in one pass, as QString::arg does: a translation
// may put them in another order, and a value holding "%1" stays as it is.
std::string sentence(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace calc
