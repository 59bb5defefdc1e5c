#pragma once
// The program's pictures, drawn at run time so that no image file is needed.
#include <QIcon>
#include <QPixmap>

namespace lumora {

enum class MessageIcon { Info, Question, Error };

/// A 65 x 65 message-window icon.
QPixmap MessageIconPixmap(MessageIcon icon);

/// The main menu's background: a film-strip motif over a dark gradient.
QPixmap MainMenuBackground(QSize size);

enum class ButtonGlyph { Open, NewSubtitle, Translate, Exit, Apply, Search };
QIcon ButtonGlyphIcon(ButtonGlyph glyph);

/// The about window's picture.
QPixmap AboutPicture(QSize size);

}  // namespace lumora
