#pragma once
// The list that completes a compound's name as it is typed. A click away
// from the open list closes it and still reaches what was clicked: the list
// never swallows it.

#include <QStringList>

class QLineEdit;

namespace quillon {

void completarNombres(QLineEdit* caja, const QStringList& nombres);

}  // namespace quillon
