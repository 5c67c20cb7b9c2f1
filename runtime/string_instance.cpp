// std::string's members, instantiated here with the release's compiler
// options instead of taken ready-made from the C++ library.
#include <string>

template class std::basic_string<char>;
