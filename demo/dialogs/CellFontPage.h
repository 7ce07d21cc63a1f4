#pragma once

#include "CellPage.h"

class QLineEdit;
class QListWidget;

namespace cellvex::demo {

// "字体": font family, styles, size, font colour and background colour.
class CellFontPage : public CellPage
{
    Q_OBJECT
public:
    CellFontPage(automation::ICellvex *control, const HostState &state, HostPrompts &prompts,
                 QWidget *parent = nullptr);

    void refresh() override;
    void apply() override;

    // The sizes offered, as on the main window's size list.
    static const QStringList &fontSizes();

private:
    void chooseColor(QLineEdit *field);

    QListWidget *m_fonts;   // ListBox1
    QListWidget *m_styles;  // ListBox2
    QListWidget *m_sizes;   // ListBox3
    QLineEdit *m_fontColor; // Edit9
    QLineEdit *m_backColor; // Edit17
};

} // namespace cellvex::demo
