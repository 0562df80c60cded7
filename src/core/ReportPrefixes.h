#pragma once
// The prefixes of the error reports, all in one place. A report reads "An error has occured: ",
// a line break, the prefix, the failure's description and "."; the prefix names the place
// where the failure was met, in the words users and the support notes have always seen, so
// each is kept byte for byte (they do not all follow one pattern).
namespace cw::prefix {

// The category file.
inline constexpr char kFindCategory[] = "cCategory.blnFindRecord_Error: ";
inline constexpr char kDeleteCategoryRecord[] = "cCategory.blnDeleteRecord_Error: ";
inline constexpr char kListCategories[] = "cCategory.blnRefreshList_Error: ";
inline constexpr char kAddCategory[] = "cCategory.lngAddRecord_Error: ";
inline constexpr char kRenameCategory[] = "cCategory.blnEditRecord_Error: ";

// The item file.
inline constexpr char kAddItem[] = "cSourceItem.lngAddRecord_Error: ";
inline constexpr char kEditItem[] = "cSourceItem.blnEditRecord_Error: ";
inline constexpr char kSortList[] = "cSourceItem.blnRefreshSortList_Error: ";
inline constexpr char kSelectItem[] = "cSourceItem.blnSelectRecord_Error: ";
inline constexpr char kUnselectItem[] = "cSourceItem.blnUnSelectRecord_Error: ";

// The main window's commands.
inline constexpr char kCategoryChosen[] = "lstCat.Click_Error: ";
inline constexpr char kNewCategory[] = "frmMain.CreateNewCategory_Error: ";
inline constexpr char kLoadCategories[] = "frmMain.RefreshCategoryList_Error: ";
inline constexpr char kEditCategory[] = "frmMain.EditSelectedCategory_Error: ";
inline constexpr char kDeleteCategory[] = "frmMain.DeleteSelectedCategory_Error: ";
inline constexpr char kItemChosen[] = "lstAvailable_Click_Error: ";
inline constexpr char kNewItem[] = "frmMain.CreateNewItem_Error: ";
inline constexpr char kEditItemCommand[] = "frmMain.EditSelectedItem_Error: ";
inline constexpr char kDeleteItem[] = "frmMain.DeleteSelectedItem_Error: ";
inline constexpr char kItemToList[] = "frmMain.AddItemToList_Error: ";
inline constexpr char kAllToList[] = "frmMain.AddAllItemsToList_Error: ";
inline constexpr char kRemoveItem[] = "frmMain.RemoveItem_Error: ";
inline constexpr char kClearList[] = "frmMain.ClearList_Error: ";
inline constexpr char kClearListCommand[] = "frmMain.cmdClearList_Click_Error: ";
inline constexpr char kRebuildOrder[] = "frmMain.RefreshSortList_Error: ";
inline constexpr char kRefillRows[] = "frmMain.RefreshMainList_Error: ";
inline constexpr char kQuantity[] = "frmMain.cmdNum_Click_Error: ";
inline constexpr char kExport[] = "mnuExport_Click_Error: ";
inline constexpr char kImport[] = "mnuImportData_Click_Error: ";
inline constexpr char kImportCategories[] = "ImportCategories_Error: ";
inline constexpr char kImportItems[] = "ImportItems_Error: ";
inline constexpr char kHelp[] = "mnuHelpMe_Click_Error: ";

// The commands added since (the Edit menu, Find Item, the list taken along), named in the
// same way.
inline constexpr char kUndo[] = "frmMain.Undo_Error: ";
inline constexpr char kRedo[] = "frmMain.Redo_Error: ";
inline constexpr char kFindItems[] = "frmFind.FindItems_Error: ";
inline constexpr char kShowFound[] = "frmFind.ShowFoundItem_Error: ";
inline constexpr char kShowOnPhone[] = "frmMain.ShowOnPhone_Error: ";
inline constexpr char kSaveChecklist[] = "frmMain.SaveChecklist_Error: ";

// The item editor.
inline constexpr char kSaveItem[] = "frmItem_cmdSave_Click_Error: ";
inline constexpr char kLoadItem[] = "frmItem.lblID_Change_Error: ";

// Printing, one for each layout, and the print options dialog's OK.
inline constexpr char kPrint8[] = "DoPrint8_Error: ";
inline constexpr char kPrint9[] = "DoPrint9_Error: ";
inline constexpr char kPrint10[] = "DoPrint10_Error: ";
inline constexpr char kPrintOptions[] = "frmPrint.cmdOK_Click_Error: ";

} // namespace cw::prefix
