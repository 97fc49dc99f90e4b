// Another X client for the hot-key tests: grabs one key on the root window the way a
// typical desktop program does (exactly the given modifiers, no lock variants), says
// "held" or "busy", then prints "pressed" for every press it receives. Ends when its
// standard input closes or it is terminated.
//
// Usage: hotkeyholder ctrl+g    (modifiers ctrl, shift, alt, super; one letter or digit)

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: hotkeyholder ctrl+g\n");
        return 2;
    }
    std::string combo = argv[1];
    uint16_t modifiers = 0;
    size_t plus;
    while ((plus = combo.find('+')) != std::string::npos) {
        const std::string name = combo.substr(0, plus);
        combo.erase(0, plus + 1);
        if (name == "ctrl")
            modifiers |= XCB_MOD_MASK_CONTROL;
        else if (name == "shift")
            modifiers |= XCB_MOD_MASK_SHIFT;
        else if (name == "alt")
            modifiers |= XCB_MOD_MASK_1;
        else if (name == "super")
            modifiers |= XCB_MOD_MASK_4;
        else {
            std::fprintf(stderr, "unknown modifier %s\n", name.c_str());
            return 2;
        }
    }
    if (combo.size() != 1) {
        std::fprintf(stderr, "one letter or digit expected\n");
        return 2;
    }

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no display\n");
        return 3;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, xcb_keysym_t(combo[0]));
    if (!codes || codes[0] == XCB_NO_SYMBOL) {
        std::fprintf(stderr, "no key for %s\n", combo.c_str());
        return 2;
    }
    const xcb_keycode_t code = codes[0];
    std::free(codes);

    xcb_generic_error_t *error = xcb_request_check(
        connection, xcb_grab_key_checked(connection, 1, root, modifiers, code, XCB_GRAB_MODE_ASYNC,
                                         XCB_GRAB_MODE_ASYNC));
    std::printf(error ? "busy\n" : "held\n");
    std::fflush(stdout);
    std::free(error);

    pollfd fds[2] = {{0, POLLIN, 0}, {xcb_get_file_descriptor(connection), POLLIN, 0}};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & ~0x80) == XCB_KEY_PRESS) {
                std::printf("pressed\n");
                std::fflush(stdout);
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection))
            break;
        if (poll(fds, 2, -1) < 0)
            break;
        if (fds[0].revents) {
            char buffer[64];
            if (read(0, buffer, sizeof buffer) <= 0)
                break;
        }
    }
    xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
    return 0;
}
