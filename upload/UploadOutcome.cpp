#include "UploadOutcome.h"

QString UploadOutcome::Text() const {
    switch (Result) {
    case Kind::Success:
        return QStringLiteral("Передача данных прошла успешно");
    case Kind::PortNotOpened:
        return QStringLiteral("Выбранный порт не существует или не может быть открыт");
    case Kind::NoAnswer:
        return QStringLiteral("Нет связи с прибором");
    case Kind::ShortReadBack:
        return QStringLiteral("Принятые данные отличаются от переданных в %1 байте из %2")
            .arg(Position)
            .arg(SendArray::ByteCount);
    case Kind::Mismatch:
        return QStringLiteral("Принятый массив отличается от переданного в %1 байте из %2")
            .arg(Position)
            .arg(SendArray::ByteCount);
    }
    return {};
}

QString UploadOutcome::Caption() const {
    switch (Result) {
    case Kind::Success:
        return QStringLiteral("Сообщение");
    case Kind::PortNotOpened:
    case Kind::NoAnswer:
        return QStringLiteral("Ошибка");
    case Kind::ShortReadBack:
        return QStringLiteral("Ошибка загрузки данных");
    case Kind::Mismatch:
        break;
    }
    return {};
}
