#include "ui/text_box.h"

namespace ui {

void TextBox::setText(const std::string& text) {
  if (!acceptCaption(text)) return;
  notify(Change::Caption);
  if (onChange) onChange();
}

void TextBox::userEdited(const std::string& text) {
  // The view already shows the text; pushing it back would move the caret.
  if (acceptCaption(text) && onChange) onChange();
}

}  // namespace ui
