#include "Cp1251Validator.h"

#include "TextCodec.h"

#include <algorithm>

QValidator::State Cp1251Validator::validate(QString& input, int& pos) const {
    if (TextCodec::Fits(input))
        return Acceptable;
    // Dropping instead of refusing the whole input: a paste keeps what fits, and a text put in
    // by the program that holds such a character cannot lock the edit against every keystroke.
    QString kept;
    kept.reserve(input.size());
    int keptPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        // A surrogate pair has no byte either; it is judged as one character.
        const int width = input[i].isHighSurrogate() && i + 1 < input.size() ? 2 : 1;
        const QString character = input.mid(i, width);
        if (TextCodec::Fits(character))
            kept += character;
        else if (i < pos)
            keptPos -= std::min(width, pos - i);
        i += width - 1;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
}
