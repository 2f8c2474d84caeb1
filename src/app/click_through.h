#pragma once

class QAbstractButton;
class QWidget;

// A click on `source` (an option's caption or picture) clicks `target`, as a click on a button's
// own caption does. Nothing happens while `target` is disabled.
void ClickThrough(QWidget* source, QAbstractButton* target);
