#include "subtitle/system_error_text.h"

#include <cerrno>

#include "subtitle/text_lines.h"

namespace lumora {

std::string SystemErrorText(int error) {
  switch (error) {
    case ENOENT: return "A file nem létezik.";
    case EACCES:
    case EPERM: return "Nincs jogosultság a file eléréséhez.";
    case EISDIR: return "Ez nem file, hanem mappa.";
    case kNotRegularFile: return "Ez nem közönséges file (hanem eszköz vagy csővezeték).";
    case ENOTDIR: return "Az elérési út egyik tagja nem mappa.";
    case ENAMETOOLONG: return "A file neve vagy elérési útja túl hosszú.";
    case ELOOP: return "Az elérési útban túl sok a hivatkozás.";
    case EIO: return "Olvasási vagy írási hiba történt a lemezen.";
    case ENOMEM:
    case EFBIG:
    case EOVERFLOW: return "A file túl nagy.";
    case ENOSPC:
    case EDQUOT: return "Nincs elég hely a lemezen.";
    case EROFS: return "A lemez csak olvasható.";
    case EMFILE:
    case ENFILE: return "Túl sok a megnyitott file.";
    case ETXTBSY:
    case EBUSY: return "A file-t egy másik program használja.";
    default: return "Ismeretlen rendszerhiba (kód: " + std::to_string(error) + ").";
  }
}

}  // namespace lumora
