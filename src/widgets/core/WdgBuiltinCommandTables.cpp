#include "widgets/core/WdgBuiltinCommandTables.h"

#include "widgets/core/WdgCommandCodes.h"

namespace {
// Virtual-key codes the tables use; letters and digits are their capital characters.
enum : quint8 {
  VBack = 8, VTab = 9, VEnter = 13, VPgUp = 33, VPgDn = 34, VEnd = 35, VHome = 36, VLeft = 37,
  VUp = 38, VRight = 39, VDown = 40, VIns = 45, VDel = 46, VF2 = 113
};
constexpr quint8 S = kWdgShift, C = kWdgCtrl, A = kWdgAlt, SC = kWdgShift | kWdgCtrl;
constexpr quint8 WS = kWdgNoShiftOrCtrl;

constexpr TWdgCommandEntry kDefault[] = {
    {VLeft, 0, 0, 0, ccLeft}, {VRight, 0, 0, 0, ccRight}, {VLeft, C, 0, 0, ccWordLeft},
    {VRight, C, 0, 0, ccWordRight}, {VHome, 0, 0, 0, ccHome}, {VEnd, 0, 0, 0, ccEnd},
    {VDel, 0, 0, 0, ccDel}, {VBack, 0, 0, 0, ccBack}, {VBack, S, 0, 0, ccBack},
    {VPgUp, C, 0, 0, ccTopOfPage}, {VPgDn, C, 0, 0, ccBotOfPage}, {VIns, 0, 0, 0, ccIns},
    {'Z', C, 0, 0, ccUndo}, {VBack, A, 0, 0, ccRestore}, {VUp, 0, 0, 0, ccUp},
    {VDown, 0, 0, 0, ccDown}, {VEnter, C, 0, 0, ccNewLine}, {VLeft, S, 0, 0, ccExtendLeft},
    {VRight, S, 0, 0, ccExtendRight}, {VHome, S, 0, 0, ccExtendHome}, {VEnd, S, 0, 0, ccExtendEnd},
    {VLeft, SC, 0, 0, ccExtWordLeft}, {VRight, SC, 0, 0, ccExtWordRight},
    {VPgUp, S, 0, 0, ccExtendPgUp}, {VPgDn, S, 0, 0, ccExtendPgDn}, {VUp, S, 0, 0, ccExtendUp},
    {VDown, S, 0, 0, ccExtendDown}, {VHome, SC, 0, 0, ccExtFirstPage},
    {VEnd, SC, 0, 0, ccExtLastPage}, {VPgUp, SC, 0, 0, ccExtTopOfPage},
    {VPgDn, SC, 0, 0, ccExtBotOfPage}, {VDel, S, 0, 0, ccCut}, {'X', C, 0, 0, ccCut},
    {VIns, C, 0, 0, ccCopy}, {'C', C, 0, 0, ccCopy}, {VIns, S, 0, 0, ccPaste},
    {'V', C, 0, 0, ccPaste}, {VPgUp, 0, 0, 0, ccPrevPage}, {VPgDn, 0, 0, 0, ccNextPage},
    {VHome, C, 0, 0, ccFirstPage}, {VEnd, C, 0, 0, ccLastPage}, {VTab, 0, 0, 0, ccTab},
    {VTab, C, 0, 0, ccTab}, {'Z', SC, 0, 0, ccRedo},
    {'0', C, 0, 0, ccGotoMarker0}, {'1', C, 0, 0, ccGotoMarker1}, {'2', C, 0, 0, ccGotoMarker2},
    {'3', C, 0, 0, ccGotoMarker3}, {'4', C, 0, 0, ccGotoMarker4}, {'5', C, 0, 0, ccGotoMarker5},
    {'6', C, 0, 0, ccGotoMarker6}, {'7', C, 0, 0, ccGotoMarker7}, {'8', C, 0, 0, ccGotoMarker8},
    {'9', C, 0, 0, ccGotoMarker9},
    {'0', SC, 0, 0, ccSetMarker0}, {'1', SC, 0, 0, ccSetMarker1}, {'2', SC, 0, 0, ccSetMarker2},
    {'3', SC, 0, 0, ccSetMarker3}, {'4', SC, 0, 0, ccSetMarker4}, {'5', SC, 0, 0, ccSetMarker5},
    {'6', SC, 0, 0, ccSetMarker6}, {'7', SC, 0, 0, ccSetMarker7}, {'8', SC, 0, 0, ccSetMarker8},
    {'9', SC, 0, 0, ccSetMarker9},
};

constexpr TWdgCommandEntry kWordStar[] = {
    {'S', C, 0, 0, ccLeft}, {'D', C, 0, 0, ccRight}, {'E', C, 0, 0, ccUp}, {'X', C, 0, 0, ccDown},
    {'R', C, 0, 0, ccPrevPage}, {'C', C, 0, 0, ccNextPage}, {'W', C, 0, 0, ccScrollUp},
    {'Z', C, 0, 0, ccScrollDown}, {'A', C, 0, 0, ccWordLeft}, {'F', C, 0, 0, ccWordRight},
    {'Q', C, 'S', WS, ccHome}, {'Q', C, 'D', WS, ccEnd}, {'G', C, 0, 0, ccDel},
    {'H', C, 0, 0, ccBack}, {'Y', C, 0, 0, ccDelLine}, {'Q', C, 'Y', WS, ccDelEol},
    {'V', C, 0, 0, ccIns}, {'T', C, 0, 0, ccDelWord}, {'P', C, 0, 0, ccCtrlChar},
    {'Q', C, 'L', WS, ccRestore},
    {'Q', C, '0', WS, ccGotoMarker0}, {'Q', C, '1', WS, ccGotoMarker1},
    {'Q', C, '2', WS, ccGotoMarker2}, {'Q', C, '3', WS, ccGotoMarker3},
    {'Q', C, '4', WS, ccGotoMarker4}, {'Q', C, '5', WS, ccGotoMarker5},
    {'Q', C, '6', WS, ccGotoMarker6}, {'Q', C, '7', WS, ccGotoMarker7},
    {'Q', C, '8', WS, ccGotoMarker8}, {'Q', C, '9', WS, ccGotoMarker9},
    {'K', C, '0', WS, ccSetMarker0}, {'K', C, '1', WS, ccSetMarker1},
    {'K', C, '2', WS, ccSetMarker2}, {'K', C, '3', WS, ccSetMarker3},
    {'K', C, '4', WS, ccSetMarker4}, {'K', C, '5', WS, ccSetMarker5},
    {'K', C, '6', WS, ccSetMarker6}, {'K', C, '7', WS, ccSetMarker7},
    {'K', C, '8', WS, ccSetMarker8}, {'K', C, '9', WS, ccSetMarker9},
};

constexpr TWdgCommandEntry kGrid[] = {
    {VLeft, 0, 0, 0, ccLeft}, {VRight, 0, 0, 0, ccRight}, {VLeft, C, 0, 0, ccPageLeft},
    {VRight, C, 0, 0, ccPageRight}, {VHome, 0, 0, 0, ccHome}, {VEnd, 0, 0, 0, ccEnd},
    {VDel, 0, 0, 0, ccDel}, {VBack, 0, 0, 0, ccBack}, {VPgDn, C, 0, 0, ccBotOfPage},
    {VPgUp, C, 0, 0, ccTopOfPage}, {VIns, 0, 0, 0, ccIns}, {'Z', C, 0, 0, ccRestore},
    {VUp, 0, 0, 0, ccUp}, {VDown, 0, 0, 0, ccDown}, {VLeft, S, 0, 0, ccExtendLeft},
    {VRight, S, 0, 0, ccExtendRight}, {VHome, S, 0, 0, ccExtendHome}, {VEnd, S, 0, 0, ccExtendEnd},
    {VLeft, SC, 0, 0, ccExtWordLeft}, {VRight, SC, 0, 0, ccExtWordRight},
    {VPgUp, S, 0, 0, ccExtendPgUp}, {VPgDn, S, 0, 0, ccExtendPgDn}, {VUp, S, 0, 0, ccExtendUp},
    {VDown, S, 0, 0, ccExtendDown}, {VHome, SC, 0, 0, ccExtFirstPage},
    {VEnd, SC, 0, 0, ccExtLastPage}, {VPgUp, SC, 0, 0, ccExtTopOfPage},
    {VPgDn, SC, 0, 0, ccExtBotOfPage}, {'X', C, 0, 0, ccCut}, {'C', C, 0, 0, ccCopy},
    {'V', C, 0, 0, ccPaste}, {VPgUp, 0, 0, 0, ccPrevPage}, {VHome, C, 0, 0, ccFirstPage},
    {VPgDn, 0, 0, 0, ccNextPage}, {VEnd, C, 0, 0, ccLastPage}, {VUp, C, 0, 0, ccTopLeftCell},
    {VDown, C, 0, 0, ccBotRightCell}, {VF2, 0, 0, 0, ccTableEdit},
};

static_assert(std::size(kDefault) == 64 && std::size(kWordStar) == 40 && std::size(kGrid) == 38);
} // namespace

const std::vector<TWdgBuiltinCommandTable>& WdgBuiltinCommandTables() {
  static const std::vector<TWdgBuiltinCommandTable> tables{
      {QStringLiteral("Default"), true, kDefault},
      {QStringLiteral("WordStar"), false, kWordStar},
      {QStringLiteral("Grid"), false, kGrid}};
  return tables;
}

const TWdgBuiltinCommandTable* FindBuiltinCommandTable(const QString& name) {
  for (const auto& table : WdgBuiltinCommandTables())
    if (table.name.compare(name, Qt::CaseInsensitive) == 0) return &table;
  return nullptr;
}
