#pragma once
// What the item editor uses of the main window.
class QWidget;

namespace cw {

class SortedListBox;

class ItemEditorHost {
public:
    virtual ~ItemEditorHost() = default;
    virtual QWidget* hostWindow() = 0;          // the editor is placed at its lower right corner
    virtual SortedListBox& availableList() = 0; // lstAvailable
    virtual void RefreshMainList() = 0;         // refills the shopping list grid
};

} // namespace cw
