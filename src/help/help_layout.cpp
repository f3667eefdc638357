#include "help/help_layout.h"

namespace kakipo {

int FormResize(int outerWidth, int splitterLeft, int leftPaneWidth, Scale px) {
  using namespace helplayout;
  const int minimum = px(splitterMinSize);
  int width = leftPaneWidth;
  const int room = outerWidth - minimum - px(splitterWidth);
  if (room <= splitterLeft) width = room;
  if (minimum >= width) width = minimum;
  return width;
}

int Splitter1Moved(int leftPaneWidth, Scale px) {
  const int minimum = px(helplayout::splitterMinSize);
  return minimum > leftPaneWidth ? minimum : leftPaneWidth;
}

}  // namespace kakipo
