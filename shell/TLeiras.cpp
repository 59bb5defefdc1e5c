#include "shell/TLeiras.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

#include "shell/widget_factory.h"

namespace lumora {

namespace {

const char* const kDescription = R"(Ez a program azért készült, hogy megkönnyítse azoknak az életét, akik feliratokat szeretnének készíteni: egyetlen programmal sokféle műveletet elvégezhetnek.

Az 1.05-ös verzió tudása:
- kétféle feliratot ismer (.srt és .sub);
- ha a két kiterjesztéshez hozzá van rendelve, a neki átadott file-t automatikusan beolvassa;
- a feliratot az egyik típusból a másikba alakítja;
- AVI file-ból kiolvassa a film FPS értékét;
- könnyen szúr be és töröl sorokat;
- ellenőrzi, amit a felhasználó beüt, és megmondja, mi a hiba;
- érzékeli a képernyő méretét, és két programbéli felbontást kínál a képernyő felbontásának átállítása nélkül;
- felismeri és jelzi a felirat file-ok hibáit;
- egy CD-s feliratból két CD-s feliratot készít;
- a felirat típusának megfelelően módosítja a sorokat;
- keres a sorokban.

A 2.10-es verzió újdonságai:
- hibajavítások;
- felület a fordítóknak, amely egyszerre két feliratot mutat;
- részletes módosítás gomb, hogy ne kelljen az egész feliratot módosítani;
- még egy .srt-szerű file-típust tud beolvasni;
- óra az ablakokon;
- átlátszóság kapcsoló az ablakokon.

A 3.20-as verzió újdonságai:
- beépített filmlejátszó (a filmek lejátszásához megfelelő kodekcsomag is kell);
- jobb egérgombra előugró menü a táblázatban;
- új mező, amely a két érték különbségét mutatja, piros háttérrel, ha valami nincs rendben;
- új oszlop a sorszámmal;
- részletes módosítás és részletes keresés gomb;
- két CD-s feliratból egy CD-s felirat készítése;
- a "Színezés 37 betű felett" beállítás, amely kiszínezi azokat a sorokat, amelyekben egy sor 37 betűnél hosszabb (még tesztelés alatt);
- további hibajavítások;
- és még sok más :)

További információt a program készítőitől kérhet.)";

}  // namespace

TLeiras::TLeiras(AppContext& context) : Form(context, "TLeiras", "Leírás") {
  Memo1 = Placed(Named(new QPlainTextEdit(this), "Memo1"), {8, 8, 509, 424});
  Memo1->setPlainText(QString::fromUtf8(kDescription));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  Bleiras = Placed(MakeButton(this, "Bleiras", "Bezárás"), {212, 442, 100, 30});
  SetFixedClientSize(525, 484);
  CentreOnScreen();
  connect(Bleiras, &QPushButton::clicked, this, &Form::Close);
  EnableKeyPreview();
}

bool TLeiras::FormKeyPreview(QWidget*, QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return false;
  Close();
  return true;
}

}  // namespace lumora
