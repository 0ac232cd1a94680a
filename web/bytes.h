// The byte buffer of the web subsystem: a length-counted byte sequence that may
// hold zero bytes (the same type as runtime::Bytes). Standard library only.
#pragma once
#include <string>

namespace web {

using Bytes = std::string;  // read as text, a byte buffer ends at its first zero byte

}  // namespace web
