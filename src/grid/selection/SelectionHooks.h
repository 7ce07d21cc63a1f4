#pragma once

#include <functional>
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
// editors, scrolling and painting live elsewhere. Every hook is optional; an
// unset hook means the control has nothing to do for it.
struct SelectionHooks
{
    // Finish open input and write it into the input cell (may raise caption events).
    std::function<void()> commitInput;
    // Set up input for the input cell; dropOnPrepare opens a drop list.
    std::function<void(bool dropOnPrepare)> prepareInput;
    // Give the keyboard focus to the hidden one-line editor.
    std::function<void()> focusInput;
    // Show the typing editor over the input cell, empty, so that the key
    // that started input is typed into it.
    std::function<void()> openTypingEditor;
    std::function<void()> scrollSelectionIntoView;
    std::function<void(int col)> keepColumnInView;
    std::function<void(int row)> keepRowInView;
    // The selection frame moved; the surface draws it from frame().
    std::function<void()> frameChanged;
    std::function<void()> repaint;
    // The current page bands, for Page Up, Page Down, Home and End.
    std::function<PageBands()> pageBands;
    // The date editor is shown; accepting it writes the picked date like its OK button.
    std::function<bool()> dateEditorShown;
    std::function<void()> acceptDateEditor;
    // The drop-down list is open (it keeps the vertical movement keys).
    std::function<bool()> dropListOpen;
};

} // namespace cellvex
