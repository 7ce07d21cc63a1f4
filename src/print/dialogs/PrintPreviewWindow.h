#pragma once

#include "print/dialogs/PreviewIcons.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QVBoxLayout;

namespace cellvex {

class PreviewPage;
struct PrintContext;

// The print preview window "打印预览": one page at a time, drawn as it is
// printed at the chosen zoom, with page navigation, zoom, fitting the page
// height, and printing and page setup without leaving the window. Settings
// changed from inside the window re-cut the pages at once; the grid's
// page-break lines and Saved are left to the caller (settingsChanged()).
class PrintPreviewWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PrintPreviewWindow(PrintContext &ctx, QWidget *parent = nullptr);

    bool settingsChanged() const { return m_settingsChanged; }
    // 0-based index of the page shown.
    std::int64_t currentPage() const { return m_page; }
    int zoom() const { return m_zoom; }
    QString statusText() const;
    // The page as last drawn; null when it could not be drawn.
    const QImage &pageImage() const;

    // What the toolbar buttons do.
    void showFirst();
    void showPrevious();
    void showNext();
    void showLast();
    void fitPageHeight();
    void printFromWindow();
    void setupFromWindow();
    // An entry of the zoom list chosen, or Enter in the zoom edit.
    void chooseZoom(const QString &text);
    void applyZoomEdit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildToolBar(QVBoxLayout *layout);
    QToolButton *toolButton(const char *name, const char *hint, PreviewIcon icon,
                            void (PrintPreviewWindow::*action)());
    std::int64_t pageCount() const;
    bool printerInstalled() const;
    // Redraws the current page at the current zoom and updates the status.
    void showPage();
    void showPageIndex(std::int64_t page);
    // Shows `zoom` in both zoom boxes and the page at it from the top-left.
    void setZoom(int zoom);
    void scrollToTopLeft();
    // After settings changed inside the window: the page index stays when
    // the page still exists; the page is shown again from the top-left.
    void pagesChanged();
    void setStatus();
    void wheel(int delta);
    void placeZoomEdit();

    PrintContext &m_ctx;
    std::int64_t m_page = 0;
    int m_zoom = 100;
    bool m_settingsChanged = false;
    bool m_shown = false;

    QComboBox *m_rates = nullptr;
    QLineEdit *m_rateEdit = nullptr;
    QScrollArea *m_box = nullptr;
    PreviewPage *m_image = nullptr;
    QStatusBar *m_status = nullptr;
    QLabel *m_statusPanel = nullptr;
    QLabel *m_statusLabel = nullptr;
};

} // namespace cellvex
