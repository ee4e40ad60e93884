#pragma once
// The input boxes take only what a file can hold: typed or pasted, a "<" or
// ">" (they would open and close a tag), the second bracket of "[[" or "]]"
// (the table block) and a letter the file's code page lacks are left out.

#include <QValidator>

namespace quillon {

class ValidadorGuardable : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texto, int& posicion) const override;
};

}  // namespace quillon
