// Paths and arguments as error messages show them: in single quotes, with every byte that a
// terminal would not print as itself escaped, so that each error stays on one line and a name
// with a newline, an escape sequence or bytes that are not UTF-8 can still be told apart.
#pragma once

#include <string>

// 'text' with control bytes as \n, \t, \r or \xHH, a backslash as \\, a quote as \', and every
// byte that is not part of a valid UTF-8 character as \xHH. Valid UTF-8 (Japanese names) is
// kept as it is.
std::string Quoted(const std::string& text);
