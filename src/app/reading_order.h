#pragma once

class QWidget;

// Tab moves through the form's fields as its layout reads: row by row from the top, left
// to right within a row, through a group's own fields where the group stands. The first
// field that takes Tab gets the focus, so the form opens ready for typing there.
void OrderFieldsAsLaidOut(QWidget *form);
