#pragma once
// The shared pieces of the grid adapters, the grids that show one message in the details
// pane. Every adapter is a CommonLib::Grid handed out as std::shared_ptr<CommonLib::IGrid>
// (made with std::make_shared, which also sets up its shared-from-this). It owns its own copy
// of the message and adds three tables, always in this order:
//
//   "list"   the message as one line of the message list: ListViewGridTable, one row, the
//            adapter's columns; a column id the table does not know gives an empty text.
//   "title"  a few descriptive lines: TitleGridTable, one column with an empty id; a row the
//            table lacks gives "Bad row".
//   "fields" the payload, one row per field or byte: ByteFieldsGridTable for raw bytes, or a
//            table of the adapter's own; a row at or beyond the row count gives "Row Out Of
//            Range", an unknown column id "Column Out Of Range".
//
// Tables keep plain pointers into their adapter's copy of the message; they must not be used
// after the adapter is gone. Column ids are compared as exact, case-sensitive strings.
// Helpers shared by several adapters: timeOfDayText (the "Timestamp" cell of a message time
// word) and cellMetaData ("Valid" / "Error" of the byte and field tables).
#include "messages/ByteFieldsGridTable.h"
#include "messages/CellMetaData.h"
#include "messages/GridAdapterTexts.h"
#include "messages/ListViewGridTable.h"
#include "messages/TimeOfDayText.h"
#include "messages/TitleGridTable.h"
