// cellvex-embed [--check]: shows a window with the report grid. With
// --check it fills the cells, prints them, types one price with a decimal
// comma as a user would and exits after printing the change the control
// reported (with the point the window's sink put in).
#include "EmbedWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextStream>
#include <QTimer>

namespace {

// Keys go to the focused window as the user's would: the grid opens its
// editor on the first one, Enter writes the value into the cell.
void key(int code, const QString &text)
{
    QKeyEvent e(QEvent::KeyPress, code, Qt::NoModifier, text);
    if (QWidget *focus = QApplication::focusWidget())
        QApplication::sendEvent(focus, &e);
}

void typeAndEnter(const QString &text)
{
    for (QChar c : text)
        key(c.toUpper().unicode(), QString(c)); // digits and punctuation share their key code
    key(Qt::Key_Return, QStringLiteral("\r"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool check = app.arguments().contains(QStringLiteral("--check"));
    QTextStream out(stdout);

    EmbedWindow window;
    window.resize(640, 400);
    if (!window.grid()->isValid()) {
        QTextStream(stderr) << "cellvex-embed: " << window.grid()->errorString() << "\n";
        return 1;
    }
    if (!window.fillPriceList()) {
        QTextStream(stderr) << "cellvex-embed: filling the cells failed\n";
        return 1;
    }
    QObject::connect(&window, &EmbedWindow::reported, [&](const QString &line) {
        out << line << Qt::endl;
        if (check)
            QCoreApplication::exit(0);
    });
    window.show();
    if (!check)
        return app.exec();

    cellvex::automation::ICellvex *cv = window.grid()->control();
    std::int32_t cols = 0, rows = 0;
    cv->get_ColCount(&cols);
    cv->get_RowCount(&rows);
    out << "grid " << cols << "x" << rows << Qt::endl;
    for (int row = 1; row <= 3; ++row) {
        QStringList cells;
        for (int col = 1; col <= 2; ++col) {
            QString value;
            cv->GetCellValue(col, row, &value);
            cells << value;
        }
        out << cells.join(QLatin1Char('\t')) << Qt::endl;
    }

    // Edit B3 as a user would: select it, type, press Enter.
    QApplication::setActiveWindow(&window);
    window.grid()->setFocus();
    QTimer::singleShot(0, &window, [&] {
        cv->SetSelectedCell(2, 3, 2, 3);
        typeAndEnter(QStringLiteral("3,40"));
    });
    // Nothing reported in time is a failure.
    QTimer::singleShot(10000, &app, [] {
        QTextStream(stderr) << "cellvex-embed: no change reported\n";
        QCoreApplication::exit(1);
    });
    return app.exec();
}
