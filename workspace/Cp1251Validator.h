#pragma once

#include <QValidator>

// Keeps characters without a Windows-1251 byte out of an edit whose text goes into the model:
// typed or pasted, they are dropped and the rest of the input stays.
class Cp1251Validator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
