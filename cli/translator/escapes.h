// The one-letter escapes that C string literals and PO strings share.
#pragma once

namespace cli {

// The byte that a one-letter escape such as \n stands for, or 0 when the letter is none of them.
inline char SimpleEscapeByte(char letter) {
    switch (letter) {
        case 'n':
            return '\n';
        case 't':
            return '\t';
        case 'r':
            return '\r';
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'v':
            return '\v';
        default:
            return 0;
    }
}

}  // namespace cli
