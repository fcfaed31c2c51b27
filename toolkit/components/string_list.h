#pragma once
// A published list of lines (a list's `Items`, a memo's `Lines`), written as
// `Items.Strings = ( 'first' 'second' )`. Lines are Unicode; glyph items hold the
// Windows-1252 character of their code.
#include <string>
#include <vector>

#include "toolkit/components/class_info.h"

namespace tolsy {

class StringList : public Persistent {
    TOLSY_PERSISTENT(StringList)

    std::vector<std::u16string> lines;
};

}  // namespace tolsy
