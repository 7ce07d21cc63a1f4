#pragma once

#include <vector>

namespace cellvex {

// Where the pagination cut the report, as the page keys need it: column band
// b holds columns colStarts[b] .. colStarts[b + 1] - 1, row band b the body
// rows rowStarts[b] .. rowStarts[b + 1] - 1 (each list ends with the end
// index, like the pagination's own lists).
struct PageBands
{
    std::vector<int> colStarts;
    std::vector<int> rowStarts;

    int colBands() const { return colStarts.empty() ? 0 : int(colStarts.size()) - 1; }
    int rowBands() const { return rowStarts.empty() ? 0 : int(rowStarts.size()) - 1; }
};

// What selection and navigation ask of the rest of the control: the in-place
// editors, scrolling, painting and the pages live elsewhere. Every request
// does nothing by default, so a host answers only what it has.
class SelectionHost
{
public:
    // Finish open input and write it into the input cell (may raise caption events).
    virtual void commitInput() {}
    // Set up input for the input cell; dropOnPrepare opens a drop list.
    virtual void prepareInput(bool /*dropOnPrepare*/) {}
    // Give the keyboard focus to the hidden one-line editor.
    virtual void focusInput() {}
    // Show the typing editor over the input cell, empty, so that the key
    // that started input is typed into it.
    virtual void openTypingEditor() {}
    virtual void scrollSelectionIntoView() {}
    virtual void keepColumnInView(int /*col*/) {}
    virtual void keepRowInView(int /*row*/) {}
    // The selection frame moved; the surface draws it from frame().
    virtual void frameChanged() {}
    virtual void repaintCells() {}
    // The current page bands, for Page Up, Page Down, Home and End.
    virtual PageBands pageBands() { return {}; }
    // The date editor is shown; accepting it writes the picked date like its OK button.
    virtual bool dateEditorShown() { return false; }
    virtual void acceptDateEditor() {}
    // The drop-down list is open (it keeps the vertical movement keys).
    virtual bool dropListOpen() { return false; }

protected:
    ~SelectionHost() = default;
};

} // namespace cellvex
