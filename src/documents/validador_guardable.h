#pragma once
// The input boxes take only what the file's grammar can hold: typed or
// pasted, a "<" or ">" (they would open and close a tag) and the second
// bracket of "[[" or "]]" (the table block) are left out. Every other letter
// stays as typed, also one the file's code page lacks: saving writes it as
// "?" and says so.

#include <QValidator>

namespace quillon {

class ValidadorGuardable : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texto, int& posicion) const override;
};

}  // namespace quillon
