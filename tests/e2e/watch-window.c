/* Watches a top-level window from outside its program, so that end-to-end
 * cases can see animations that last a fraction of a second.
 *
 *   watch-window [--title TITLE | --id ID] [--pid PID] [--interval-us N]
 *                [--duration-s S]
 *
 * Waits for the window (a client of the window manager named TITLE, of
 * process PID when given), then samples it every N microseconds (2000 by
 * default): its client height, the _NET_WM_WINDOW_OPACITY of its frame (or of
 * the window itself) as a level 0..255, and whether it is viewable. It prints
 * one line each time the sample changes:
 *
 *   T_US HEIGHT LEVEL VIEWABLE
 *
 * T_US counts microseconds from the watcher's start, LEVEL is 255 when no
 * opacity is set, VIEWABLE is 1 while the window is mapped inside the
 * window manager's frame and 0 otherwise. When the window is destroyed it prints
 * "T_US gone" and ends; it also ends on SIGTERM/SIGINT or after S seconds,
 * with "T_US end". Samples that took longer than three intervals to make
 * are counted and reported on the last line as "late=N samples=M".
 */
#define _POSIX_C_SOURCE 200809L

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <xcb/xcb.h>

static volatile sig_atomic_t stop_requested = 0;
static void on_signal(int sig)
{
    (void)sig;
    stop_requested = 1;
}

static long long now_us(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

static xcb_atom_t intern(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

struct atoms {
    xcb_atom_t client_list, net_wm_name, utf8, opacity, pid;
};

/* The property as 32-bit cardinals; returns the count read (0 when unset). */
static int card32_property(xcb_connection_t *c, xcb_window_t w, xcb_atom_t prop, uint32_t *out,
                           int max)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, prop, XCB_ATOM_CARDINAL, 0, (uint32_t)max), NULL);
    int n = 0;
    if (r && r->format == 32) {
        n = xcb_get_property_value_length(r) / 4;
        if (n > max)
            n = max;
        memcpy(out, xcb_get_property_value(r), (size_t)n * 4);
    }
    free(r);
    return n;
}

static int has_title(xcb_connection_t *c, const struct atoms *a, xcb_window_t w, const char *title)
{
    xcb_atom_t props[2] = {a->net_wm_name, XCB_ATOM_WM_NAME};
    for (int i = 0; i < 2; ++i) {
        xcb_get_property_reply_t *r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, props[i], XCB_GET_PROPERTY_TYPE_ANY, 0, 256), NULL);
        int match = r && xcb_get_property_value_length(r) == (int)strlen(title) &&
                    memcmp(xcb_get_property_value(r), title, strlen(title)) == 0;
        free(r);
        if (match)
            return 1;
    }
    return 0;
}

/* A managed client named TITLE (of PID when not 0), or XCB_WINDOW_NONE. */
static xcb_window_t find_client(xcb_connection_t *c, const struct atoms *a, xcb_window_t root,
                                const char *title, uint32_t pid)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, a->client_list, XCB_ATOM_WINDOW, 0, 4096), NULL);
    xcb_window_t found = XCB_WINDOW_NONE;
    if (r && r->format == 32) {
        const xcb_window_t *ws = xcb_get_property_value(r);
        int n = xcb_get_property_value_length(r) / 4;
        for (int i = 0; i < n && found == XCB_WINDOW_NONE; ++i) {
            if (!has_title(c, a, ws[i], title))
                continue;
            uint32_t p = 0;
            if (pid && (card32_property(c, ws[i], a->pid, &p, 1) != 1 || p != pid))
                continue;
            found = ws[i];
        }
    }
    free(r);
    return found;
}

/* The ancestor of W just below the root: the window manager's frame. */
static xcb_window_t frame_of(xcb_connection_t *c, xcb_window_t w, xcb_window_t root)
{
    for (int depth = 0; depth < 8; ++depth) {
        xcb_query_tree_reply_t *t = xcb_query_tree_reply(c, xcb_query_tree(c, w), NULL);
        if (!t)
            return XCB_WINDOW_NONE;
        xcb_window_t parent = t->parent;
        free(t);
        if (parent == root || parent == XCB_WINDOW_NONE)
            return w;
        w = parent;
    }
    return w;
}

static int opacity_level(xcb_connection_t *c, const struct atoms *a, xcb_window_t w)
{
    uint32_t v = 0;
    if (card32_property(c, w, a->opacity, &v, 1) != 1)
        return -1;
    return (int)(((double)v / 16843009.0) + 0.5);
}

int main(int argc, char **argv)
{
    const char *title = NULL;
    xcb_window_t id = XCB_WINDOW_NONE;
    uint32_t pid = 0;
    long interval_us = 2000;
    double duration_s = 120;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--title") && i + 1 < argc)
            title = argv[++i];
        else if (!strcmp(argv[i], "--id") && i + 1 < argc)
            id = (xcb_window_t)strtoul(argv[++i], NULL, 0);
        else if (!strcmp(argv[i], "--pid") && i + 1 < argc)
            pid = (uint32_t)strtoul(argv[++i], NULL, 0);
        else if (!strcmp(argv[i], "--interval-us") && i + 1 < argc)
            interval_us = strtol(argv[++i], NULL, 0);
        else if (!strcmp(argv[i], "--duration-s") && i + 1 < argc)
            duration_s = strtod(argv[++i], NULL);
        else {
            fprintf(stderr,
                    "usage: %s [--title TITLE | --id ID] [--pid PID] [--interval-us N] "
                    "[--duration-s S]\n",
                    argv[0]);
            return 2;
        }
    }
    if (!title && id == XCB_WINDOW_NONE) {
        fprintf(stderr, "%s: give --title or --id\n", argv[0]);
        return 2;
    }

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = on_signal;
    sigaction(SIGTERM, &sa, NULL);
    sigaction(SIGINT, &sa, NULL);

    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    struct atoms a = {intern(c, "_NET_CLIENT_LIST"), intern(c, "_NET_WM_NAME"),
                      intern(c, "UTF8_STRING"), intern(c, "_NET_WM_WINDOW_OPACITY"),
                      intern(c, "_NET_WM_PID")};

    const long long start = now_us();
    const long long end = start + (long long)(duration_s * 1e6);
    const struct timespec pause = {0, interval_us * 1000};

    while (id == XCB_WINDOW_NONE) {
        if (stop_requested || now_us() > end) {
            printf("%lld end\n", now_us() - start);
            return 1;
        }
        id = find_client(c, &a, root, title, pid);
        if (id == XCB_WINDOW_NONE)
            nanosleep(&pause, NULL);
    }
    printf("# window %u found at %lld us\n", (unsigned)id, now_us() - start);
    fflush(stdout);

    int last_h = -2, last_level = -2, last_viewable = -2;
    long samples = 0, late = 0;
    long long previous = now_us();
    while (!stop_requested && now_us() < end) {
        /* Ask for everything at once: one round trip a sample. */
        xcb_get_geometry_cookie_t gc = xcb_get_geometry(c, id);
        xcb_get_window_attributes_cookie_t ac = xcb_get_window_attributes(c, id);
        xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(c, gc, NULL);
        xcb_get_window_attributes_reply_t *at = xcb_get_window_attributes_reply(c, ac, NULL);
        const long long t = now_us();
        if (!g || !at) {
            free(g);
            free(at);
            printf("%lld gone\n", t - start);
            break;
        }
        const int h = g->height;
        int viewable = at->map_state == XCB_MAP_STATE_VIEWABLE;
        free(g);
        free(at);
        xcb_window_t frame = frame_of(c, id, root);
        /* A window the window manager is letting go of (or has not framed
           yet) is not on the screen as the user sees it; its level is read
           from its frame, which it then lacks. */
        if (frame == id || frame == XCB_WINDOW_NONE)
            viewable = 0;
        int level = frame != XCB_WINDOW_NONE ? opacity_level(c, &a, frame) : -1;
        if (level < 0)
            level = opacity_level(c, &a, id);
        if (level < 0)
            level = 255;

        ++samples;
        if (t - previous > 3 * interval_us)
            ++late;
        previous = t;
        if (h != last_h || level != last_level || viewable != last_viewable) {
            printf("%lld %d %d %d\n", t - start, h, level, viewable);
            fflush(stdout);
            last_h = h;
            last_level = level;
            last_viewable = viewable;
        }
        nanosleep(&pause, NULL);
    }
    if (stop_requested || now_us() >= end)
        printf("%lld end\n", now_us() - start);
    printf("# late=%ld samples=%ld\n", late, samples);
    xcb_disconnect(c);
    return 0;
}
