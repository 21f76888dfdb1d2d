// Waits for a viewable top-level window whose name matches a pattern, for the start-up benchmark:
// one X client that wakes on the server's events, where starting a window search every few
// milliseconds would take as much processor time as the program being timed.
//
//   espera-janela PATTERN [TIMEOUT_MS]   exits 0 once such a window exists, 1 at the timeout
#include <xcb/xcb.h>

#include <poll.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <string>

namespace {

template <class T> using Resposta = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atomo(xcb_connection_t* x, const char* nome) {
    const Resposta<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(nome)), nome),
                              nullptr),
        &std::free);
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

class Espera {
public:
    Espera(xcb_connection_t* x, xcb_window_t raiz, const std::string& padrao)
        : x_(x), raiz_(raiz), padrao_(padrao, std::regex::extended), utf8_(Atomo(x, "UTF8_STRING")),
          nomeNet_(Atomo(x, "_NET_WM_NAME")) {}

    // Asks for the events that can make a window match, then looks at what is already there.
    bool Inicia() {
        const std::uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x_, raiz_, XCB_CW_EVENT_MASK, &mascara);
        const Resposta<xcb_query_tree_reply_t> arvore(
            xcb_query_tree_reply(x_, xcb_query_tree(x_, raiz_), nullptr), &std::free);
        if (!arvore)
            return false;
        const xcb_window_t* filhas = xcb_query_tree_children(arvore.get());
        for (int i = 0; i < xcb_query_tree_children_length(arvore.get()); ++i)
            if (Observa(filhas[i]))
                return true;
        return false;
    }

    // True once the event's window matches.
    bool Trata(const xcb_generic_event_t* evento) {
        switch (evento->response_type & 0x7f) {
        case XCB_CREATE_NOTIFY:
            return Observa(reinterpret_cast<const xcb_create_notify_event_t*>(evento)->window);
        case XCB_MAP_NOTIFY:
            return Casa(reinterpret_cast<const xcb_map_notify_event_t*>(evento)->window);
        case XCB_PROPERTY_NOTIFY:
            return Casa(reinterpret_cast<const xcb_property_notify_event_t*>(evento)->window);
        default:
            return false;
        }
    }

private:
    // Title changes are asked for before the title is read, so that none falls between the two.
    bool Observa(xcb_window_t janela) {
        const std::uint32_t mascara = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(x_, janela, XCB_CW_EVENT_MASK, &mascara);
        return Casa(janela);
    }

    bool Casa(xcb_window_t janela) {
        const Resposta<xcb_get_window_attributes_reply_t> atributos(
            xcb_get_window_attributes_reply(x_, xcb_get_window_attributes(x_, janela), nullptr), &std::free);
        if (!atributos || atributos->map_state != XCB_MAP_STATE_VIEWABLE)
            return false;
        return CasaNome(janela, nomeNet_, utf8_) || CasaNome(janela, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    }

    bool CasaNome(xcb_window_t janela, xcb_atom_t propriedade, xcb_atom_t tipo) {
        const Resposta<xcb_get_property_reply_t> r(
            xcb_get_property_reply(x_, xcb_get_property(x_, 0, janela, propriedade, tipo, 0, 1024), nullptr),
            &std::free);
        if (!r || r->format != 8)
            return false;
        const std::string nome(static_cast<const char*>(xcb_get_property_value(r.get())),
                               static_cast<std::size_t>(xcb_get_property_value_length(r.get())));
        return std::regex_search(nome, padrao_);
    }

    xcb_connection_t* x_;
    xcb_window_t raiz_;
    std::regex padrao_;
    xcb_atom_t utf8_;
    xcb_atom_t nomeNet_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "uso: espera-janela PADRÃO [LIMITE_MS]\n");
        return 2;
    }
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(argc == 3 ? std::atoi(argv[2]) : 10000);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "espera-janela: sem servidor X\n");
        return 2;
    }
    Espera espera(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root, argv[1]);
    if (espera.Inicia())
        return 0;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* evento = xcb_poll_for_event(x)) {
            const bool casou = espera.Trata(evento);
            std::free(evento);
            if (casou)
                return 0;
        }
        if (xcb_connection_has_error(x))
            return 2;
        const auto resta =
            std::chrono::duration_cast<std::chrono::milliseconds>(limite - std::chrono::steady_clock::now());
        if (resta.count() <= 0 || ::poll(&fd, 1, static_cast<int>(resta.count())) == 0)
            return 1;
    }
}
