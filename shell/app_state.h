#pragma once
// The shared state through which the windows route the user and hand work to each other.
// One instance, owned by the application object and handed to every window.
#include <string>

namespace lumora {

struct AppState {
  // "be", "be2", "ki", "felvitt", "vissza", "For": whether closing a work window returns to the
  // main menu or ends the program.
  std::string RouteState;
  // "megnyitas", "uj", "mas", "2cd1cd", "22": why the editor was entered.
  std::string EditorEntry;
  // "Felirat", "Forditas1", "Forditas2", "Eredeti", "Forditott": what the open dialog opens for.
  std::string OpenTarget;
  // "Felirat", "dupla", "Forditas": what the file-name window names.
  std::string SaveTarget;
  // "1024x768", "800x600", "kicsi" or empty.
  std::string LayoutMode;
  std::string StartupFile;
  std::string SubtitlePath;
  std::string SubtitleName;
  std::string LastDirectory;
  // TimingMode of the editor's table as last read or converted: "Frame", "Time" or empty.
  std::string LoadedKind;
  // Row-change handlers do nothing while code moves the editor's cursor in bulk.
  bool BusyFlag = false;
  // Pending question or answer of the message window.
  std::string DialogAnswer;
  bool MessagesMuted = false;
  bool StartupOk = false;
  std::string RowClipboard;
  bool SaveCancelled = false;
  // "ki" or "megnyit": how the open dialog was left.
  std::string OpenOutcome;
  bool LoadPending = false;
  std::string LoadErrorReason;
  std::string AviPurpose;
  bool OriginalOnly = false;
};

}  // namespace lumora
