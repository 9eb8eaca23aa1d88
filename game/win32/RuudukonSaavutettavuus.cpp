#include "win32/RuudukonSaavutettavuus.h"

#include <oleacc.h>

#include <atomic>

namespace {

constexpr LONG RUUTUJA = 100;

// The interfaces' identifiers come from __uuidof: mingw-w64's IID_IAccessible
// resolves to oleacc's import thunk rather than to the identifier.

// A cell is a simple element of the table: a child number, no object of its
// own. Every call asks the window again, so an object a reader keeps after
// the window is gone answers that it is disconnected.
class Taulukko final : public IAccessible {
  public:
    explicit Taulukko(HWND ruudukko) : hwnd_(ruudukko) {
        CreateStdAccessibleObject(hwnd_, OBJID_CLIENT, __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&vakio_));
    }
    Taulukko(const Taulukko&) = delete;
    Taulukko& operator=(const Taulukko&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** olio) override {
        if (olio == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *olio = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *olio = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++viitteita_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG jaljella = --viitteita_;
        if (jaljella == 0) delete this;
        return jaljella;
    }

    // IDispatch: none; readers use the interface's own calls.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* maara) override {
        if (maara == nullptr) return E_POINTER;
        *maara = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** isanta) override {
        if (isanta == nullptr) return E_POINTER;
        *isanta = nullptr;
        if (Tiedot() == nullptr) return CO_E_OBJNOTCONNECTED;
        return vakio_ != nullptr ? vakio_->get_accParent(isanta) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* maara) override {
        if (maara == nullptr) return E_POINTER;
        *maara = RUUTUJA;
        return Tiedot() != nullptr ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT lapsi, IDispatch** olio) override {
        if (olio == nullptr) return E_POINTER;
        *olio = nullptr;
        return Ruutu(lapsi) > 0 ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT lapsi, BSTR* nimi) override {
        return Teksti(lapsi, nimi, [](const Ruudukkotiedot& t, LONG ruutu) {
            return ruutu == CHILDID_SELF ? t.Nimi() : t.RuudunNimi(ruutu);
        });
    }
    // The table's value is its focus square, where the keys act; a cell says
    // all it has in its name.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT lapsi, BSTR* arvo) override {
        if (Ruutu(lapsi) > 0) return Tyhja(arvo);
        return Teksti(lapsi, arvo, [](const Ruudukkotiedot& t, LONG) {
            return t.RuudunNimi(t.Kohdistusruutu());
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* kuvaus) override {
        return Tyhja(kuvaus);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT lapsi, VARIANT* rooli) override {
        if (rooli == nullptr) return E_POINTER;
        const LONG ruutu = Ruutu(lapsi);
        if (ruutu < 0) return E_INVALIDARG;
        rooli->vt = VT_I4;
        rooli->lVal = ruutu == CHILDID_SELF ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT lapsi, VARIANT* tila) override {
        if (tila == nullptr) return E_POINTER;
        const LONG ruutu = Ruutu(lapsi);
        const Ruudukkotiedot* t = Tiedot();
        if (ruutu < 0) return E_INVALIDARG;
        if (t == nullptr) return CO_E_OBJNOTCONNECTED;
        const bool kohdistettu = GetFocus() == hwnd_;
        LONG tilat = STATE_SYSTEM_FOCUSABLE;
        if (ruutu == CHILDID_SELF) {
            if (kohdistettu) tilat |= STATE_SYSTEM_FOCUSED;
        } else {
            if (kohdistettu && t->Kohdistusruutu() == ruutu) tilat |= STATE_SYSTEM_FOCUSED;
            if (!t->RuutuKaytossa(ruutu)) tilat |= STATE_SYSTEM_UNAVAILABLE;
        }
        tila->vt = VT_I4;
        tila->lVal = tilat;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* ohje) override { return Tyhja(ohje); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* tiedosto, VARIANT, LONG* aihe) override {
        if (aihe != nullptr) *aihe = 0;
        return Tyhja(tiedosto);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* nappain) override {
        return Tyhja(nappain);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* lapsi) override {
        if (lapsi == nullptr) return E_POINTER;
        const Ruudukkotiedot* t = Tiedot();
        if (t == nullptr) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != hwnd_) {
            lapsi->vt = VT_EMPTY;
            return S_FALSE;
        }
        lapsi->vt = VT_I4;
        lapsi->lVal = t->Kohdistusruutu();
        return S_OK;
    }
    // Nothing on a grid is ever selected.
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* valitut) override {
        if (valitut == nullptr) return E_POINTER;
        valitut->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* toiminto) override {
        return Tyhja(toiminto);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* leveys, LONG* korkeus,
                                          VARIANT lapsi) override {
        if (x == nullptr || y == nullptr || leveys == nullptr || korkeus == nullptr)
            return E_POINTER;
        const LONG ruutu = Ruutu(lapsi);
        const Ruudukkotiedot* t = Tiedot();
        if (ruutu < 0) return E_INVALIDARG;
        if (t == nullptr) return CO_E_OBJNOTCONNECTED;
        RECT alue{};
        if (ruutu == CHILDID_SELF) {
            GetClientRect(hwnd_, &alue);
        } else {
            alue = t->RuudunAlue(ruutu);
        }
        MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&alue), 2);
        *x = alue.left;
        *y = alue.top;
        *leveys = alue.right - alue.left;
        *korkeus = alue.bottom - alue.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG, VARIANT, VARIANT* loppu) override {
        if (loppu != nullptr) loppu->vt = VT_EMPTY;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* lapsi) override {
        if (lapsi == nullptr) return E_POINTER;
        const Ruudukkotiedot* t = Tiedot();
        if (t == nullptr) return CO_E_OBJNOTCONNECTED;
        POINT kohta{x, y};
        ScreenToClient(hwnd_, &kohta);
        RECT asiakas{};
        GetClientRect(hwnd_, &asiakas);
        if (!PtInRect(&asiakas, kohta)) {
            lapsi->vt = VT_EMPTY;
            return S_FALSE;
        }
        lapsi->vt = VT_I4;
        lapsi->lVal = CHILDID_SELF;
        // Neighbours share their border line; the later square lies on top.
        for (LONG ruutu = RUUTUJA; ruutu >= 1; --ruutu) {
            const RECT alue = t->RuudunAlue(ruutu);
            if (PtInRect(&alue, kohta)) {
                lapsi->lVal = ruutu;
                break;
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~Taulukko() {
        if (vakio_ != nullptr) vakio_->Release();
    }

    const Ruudukkotiedot* Tiedot() const {
        if (!IsWindow(hwnd_)) return nullptr;
        return reinterpret_cast<const Ruudukkotiedot*>(GetWindowLongPtrW(hwnd_, GWLP_USERDATA));
    }

    // The square a child number stands for, CHILDID_SELF for the table, -1
    // for no child of it.
    static LONG Ruutu(const VARIANT& lapsi) {
        if (lapsi.vt != VT_I4) return -1;
        return lapsi.lVal >= CHILDID_SELF && lapsi.lVal <= RUUTUJA ? lapsi.lVal : -1;
    }

    static HRESULT Tyhja(BSTR* teksti) {
        if (teksti == nullptr) return E_POINTER;
        *teksti = nullptr;
        return S_FALSE;
    }

    template <class Lahde>
    HRESULT Teksti(const VARIANT& lapsi, BSTR* teksti, Lahde lahde) const {
        if (teksti == nullptr) return E_POINTER;
        *teksti = nullptr;
        const LONG ruutu = Ruutu(lapsi);
        const Ruudukkotiedot* t = Tiedot();
        if (ruutu < 0) return E_INVALIDARG;
        if (t == nullptr) return CO_E_OBJNOTCONNECTED;
        const std::wstring sisalto = lahde(*t, ruutu);
        *teksti = SysAllocStringLen(sisalto.data(), static_cast<UINT>(sisalto.size()));
        return *teksti != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HWND hwnd_;
    IAccessible* vakio_ = nullptr;  // the window's standard object, for its parent
    std::atomic<ULONG> viitteita_{1};
};

}  // namespace

LRESULT RuudukonObjekti(HWND ruudukko, WPARAM w, LPARAM l) {
    if (static_cast<LONG>(l) != static_cast<LONG>(OBJID_CLIENT)) return 0;
    auto* taulukko = new Taulukko(ruudukko);
    const LRESULT tulos = LresultFromObject(__uuidof(IAccessible), w, taulukko);
    taulukko->Release();
    return tulos;
}
