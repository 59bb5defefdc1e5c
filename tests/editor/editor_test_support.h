#pragma once
// A fixture that opens a subtitle's bytes in the editor, as the open dialog would.
#include <QApplication>
#include <QTemporaryDir>

#include "editor/TFelirat.h"
#include "tests/support/app_fixture.h"
#include "tests/support/window_helpers.h"

namespace lumora::testing {

class EditorFixture : public AppFixture {
 protected:
  TFelirat& Open(const QByteArray& bytes, const QString& name = "film.srt", QSize screen = {1024, 768}) {
    Start(screen);
    const QString path = QDir(dir_.path()).filePath(name);
    WriteBytes(path, bytes);
    TFelirat& editor = *Windows().felirat;
    State().SubtitlePath = path.toStdString();
    State().SubtitleName = name.toStdString();
    editor.Show();
    QApplication::setActiveWindow(&editor);
    editor.PrepareEditorForLoad(name);
    editor.LoadIntoEditor();
    return editor;
  }
  QString PathOf(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  QTemporaryDir dir_;
};

}  // namespace lumora::testing
