#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

QString ToUnicode(const std::string& cp1251) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(cp1251.data(), static_cast<qsizetype>(cp1251.size())));
}

std::optional<std::string> FromUnicode(const QString& text) {
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(text);
    // The converter replaces what it cannot hold; a round trip tells whether it had to.
    std::string result(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (encoder.hasError() || ToUnicode(result) != text)
        return std::nullopt;
    return result;
}

bool Fits(const QString& text) {
    return FromUnicode(text).has_value();
}

} // namespace TextCodec
