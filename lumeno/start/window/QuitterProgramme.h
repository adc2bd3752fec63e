#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class FenetrePrincipale;

// The end of the program: the window hidden, the task bar back, a running HTML generation stopped,
// the other windows closed, then the main window, then the program. Nothing here may stop the end.
namespace QuitterProgramme {
void executer(FenetrePrincipale& fenetre, QList<QPointer<QWidget>>& annexes);
}
