#pragma once

// The characters of "font.png", cell by cell, row by row: 16 to a row in the first four rows of
// its 16 x 8 grid. Lower-case letters (but x) and the space have no cell.
constexpr char kFontTable[] =
    "~|0123456789ABCD"
    "EFGHIJKLMNOPQRST"
    "UVWXYZ,.(){}<>!?"
    "+-x*/='\\\"#$%&@[]";
