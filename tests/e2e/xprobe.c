// SPDX-License-Identifier: MIT
/* X queries that the end-to-end cases cannot make quickly with the stock tools.
 * owner SELECTION: the selection's owner window; status 1 when it has none.
 * list: each window naming its process, "ID PID TYPE VIEWABLE FX FY X Y W H TITLE": TYPE the
 * _NET_WM_WINDOW_TYPE without its prefix ("-": none; TRAY: inside trayer; POPUP: override-redirect
 * and no tooltip, a menu), FX FY the corner of its frame, X Y W H its place on the screen.
 * input WINDOW: the height of the box around where the window takes the mouse.
 * watch TITLE: samples the utility window TITLE every 2 ms; at each change prints
 * "T_US H LEVEL VIEWABLE FX FY" (LEVEL the opacity 0..255; VIEWABLE: mapped in the frame), at the
 * end "T_US gone".
 * popup: waits (10 s at most) for a menu to show; prints the wall-clock time (us) it first saw it.
 */
#define _POSIX_C_SOURCE 200809L // NOLINT(bugprone-reserved-identifier)
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>

static xcb_connection_t *c;
static xcb_window_t root;

static xcb_atom_t atom(const char *name)
{
    xcb_intern_atom_reply_t *r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

/* The property's value into buf (NUL-terminated); its length, -1 when unset. */
static int property(xcb_window_t w, const char *name, char *buf, int size)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, size / 4), NULL);
    int n = r && r->type != XCB_ATOM_NONE ? xcb_get_property_value_length(r) : -1;
    if (n >= size)
        n = size - 1;
    if (n >= 0)
        memcpy(buf, xcb_get_property_value(r), (size_t)n), buf[n] = 0;
    free(r);
    return n;
}

/* The first 32-bit value of the property (a cardinal, an atom), -1 when unset. */
static long first32(xcb_window_t w, const char *name)
{
    uint32_t v[2];
    return property(w, name, (char *)v, sizeof v) >= 4 ? (long)v[0] : -1;
}

static xcb_window_t parent_of(xcb_window_t w)
{
    xcb_query_tree_reply_t *t = xcb_query_tree_reply(c, xcb_query_tree(c, w), NULL);
    xcb_window_t p = t ? t->parent : XCB_WINDOW_NONE;
    free(t);
    return p;
}

/* The ancestor just below the root: the window manager's frame, or the window itself. */
static xcb_window_t frame_of(xcb_window_t w)
{
    for (xcb_window_t p; (p = parent_of(w)) != root; w = p)
        if (p == XCB_WINDOW_NONE)
            return XCB_WINDOW_NONE;
    return w;
}

static const char *type_of(xcb_window_t w, int in_tray)
{
    static char name[64];
    long a = in_tray ? -1 : first32(w, "_NET_WM_WINDOW_TYPE");
    if (a < 0)
        return in_tray ? "TRAY" : "-";
    xcb_get_atom_name_reply_t *r =
        xcb_get_atom_name_reply(c, xcb_get_atom_name(c, (xcb_atom_t)a), NULL);
    snprintf(name, sizeof name, "%.*s", r ? xcb_get_atom_name_name_length(r) : 0,
             r ? xcb_get_atom_name_name(r) : "");
    free(r);
    return strncmp(name, "_NET_WM_WINDOW_TYPE_", 20) ? name : name + 20;
}

/* Lists W and its descendants; FX FY is the corner of their top-level ancestor. */
static void list(xcb_window_t w, int in_tray, int fx, int fy)
{
    char text[256];
    int n = property(w, "WM_CLASS", text, sizeof text); /* "instance\0class\0" */
    if (n > 0 && (int)strlen(text) + 1 < n && !strcmp(text + strlen(text) + 1, "trayer"))
        in_tray = 1;
    long pid = first32(w, "_NET_WM_PID");
    xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), NULL);
    if (g && parent_of(w) == root)
        fx = g->x, fy = g->y;
    if (pid > 0 && g) {
        xcb_get_window_attributes_reply_t *a =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), NULL);
        xcb_translate_coordinates_reply_t *at =
            xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, root, 0, 0), NULL);
        if (property(w, "_NET_WM_NAME", text, sizeof text) < 0)
            property(w, "WM_NAME", text, sizeof text);
        const char *type = type_of(w, in_tray);
        if (a && a->override_redirect && !in_tray && strcmp(type, "TOOLTIP") != 0)
            type = "POPUP";
        if (a && at)
            printf("%u %ld %s %d %d %d %d %d %d %d %s\n", w, pid, type,
                   a->map_state == XCB_MAP_STATE_VIEWABLE, fx, fy, at->dst_x, at->dst_y, g->width,
                   g->height, text);
        free(a), free(at);
    }
    free(g);
    xcb_query_tree_reply_t *t = xcb_query_tree_reply(c, xcb_query_tree(c, w), NULL);
    for (int i = 0; t && i < xcb_query_tree_children_length(t); ++i)
        list(xcb_query_tree_children(t)[i], in_tray, fx, fy);
    free(t);
}

static long long now_us(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

static int level_of(xcb_window_t w)
{
    long v = first32(w, "_NET_WM_WINDOW_OPACITY");
    return v < 0 ? -1 : (int)((double)v / 16843009.0 + 0.5);
}

static xcb_window_t find_utility(xcb_window_t w, const char *title)
{
    char text[256];
    if (property(w, "_NET_WM_NAME", text, sizeof text) >= 0 && !strcmp(text, title) &&
        !strcmp(type_of(w, 0), "UTILITY"))
        return w;
    xcb_window_t found = XCB_WINDOW_NONE;
    xcb_query_tree_reply_t *t = xcb_query_tree_reply(c, xcb_query_tree(c, w), NULL);
    for (int i = 0; t && !found && i < xcb_query_tree_children_length(t); ++i)
        found = find_utility(xcb_query_tree_children(t)[i], title);
    free(t);
    return found;
}

static int watch(const char *title)
{
    const struct timespec pause = {0, 2000000};
    const long long start = now_us();
    xcb_window_t w;
    while (!(w = find_utility(root, title)))
        nanosleep(&pause, NULL);
    char last[64] = "", now[64];
    for (;;) {
        xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), NULL);
        xcb_get_window_attributes_reply_t *a =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), NULL);
        xcb_window_t frame = g && a ? frame_of(w) : XCB_WINDOW_NONE;
        xcb_get_geometry_reply_t *f =
            frame ? xcb_get_geometry_reply(c, xcb_get_geometry(c, frame), NULL) : NULL;
        if (!f) {
            printf("%lld gone\n", now_us() - start);
            return 0;
        }
        int level = level_of(frame);
        if (level < 0)
            level = level_of(w);
        snprintf(now, sizeof now, "%d %d %d %d %d", g->height, level < 0 ? 255 : level,
                 a->map_state == XCB_MAP_STATE_VIEWABLE && frame != w, f->x, f->y);
        free(g), free(a), free(f);
        if (strcmp(now, last) != 0)
            printf("%lld %s\n", now_us() - start, strcpy(last, now)), fflush(stdout);
        nanosleep(&pause, NULL);
    }
}

static int popup(void)
{
    const struct timespec pause = {0, 500000};
    struct timespec at;
    for (int tries = 0; tries < 20000; ++tries, nanosleep(&pause, NULL)) {
        xcb_query_tree_reply_t *t = xcb_query_tree_reply(c, xcb_query_tree(c, root), NULL);
        int n = t ? xcb_query_tree_children_length(t) : 0, seen = 0;
        xcb_window_t *kids = t ? xcb_query_tree_children(t) : NULL;
        xcb_get_window_attributes_cookie_t *ask = calloc((size_t)n + 1, sizeof *ask);
        for (int i = 0; i < n; ++i) /* all asked at once: one round trip */
            ask[i] = xcb_get_window_attributes(c, kids[i]);
        for (int i = 0; i < n; ++i) {
            xcb_get_window_attributes_reply_t *a = xcb_get_window_attributes_reply(c, ask[i], NULL);
            if (!seen && a && a->override_redirect && a->map_state == XCB_MAP_STATE_VIEWABLE &&
                first32(kids[i], "_NET_WM_PID") > 0 && strcmp(type_of(kids[i], 0), "TOOLTIP") != 0)
                seen = 1;
            free(a);
        }
        free(ask), free(t);
        if (seen) {
            clock_gettime(CLOCK_REALTIME, &at);
            return printf("%lld\n", at.tv_sec * 1000000LL + at.tv_nsec / 1000), 0;
        }
    }
    return 1;
}

int main(int argc, char **argv)
{
    c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c))
        return fprintf(stderr, "e2e-xprobe: cannot open the display\n"), 2;
    root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    if (argc == 3 && !strcmp(argv[1], "owner")) {
        xcb_get_selection_owner_reply_t *o =
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom(argv[2])), NULL);
        xcb_window_t w = o ? o->owner : XCB_WINDOW_NONE;
        free(o);
        return printf("%u\n", w), w ? 0 : 1;
    }
    if (argc == 3 && !strcmp(argv[1], "input")) {
        xcb_window_t w = (xcb_window_t)strtoul(argv[2], NULL, 0);
        xcb_shape_get_rectangles_reply_t *r = xcb_shape_get_rectangles_reply(
            c, xcb_shape_get_rectangles(c, w, XCB_SHAPE_SK_INPUT), NULL);
        int n = r ? xcb_shape_get_rectangles_rectangles_length(r) : 0, y0 = 1 << 30, y1 = -y0;
        for (xcb_rectangle_t *rc = n ? xcb_shape_get_rectangles_rectangles(r) : NULL; n--; ++rc) {
            y0 = rc->y < y0 ? rc->y : y0;
            y1 = rc->y + rc->height > y1 ? rc->y + rc->height : y1;
        }
        free(r);
        return y1 < y0 ? 1 : (printf("%d\n", y1 - y0), 0);
    }
    if (argc == 2 && !strcmp(argv[1], "list"))
        return list(root, 0, 0, 0), 0;
    if (argc == 3 && !strcmp(argv[1], "watch"))
        return watch(argv[2]);
    if (argc == 2 && !strcmp(argv[1], "popup"))
        return popup();
    fprintf(stderr,
            "usage: e2e-xprobe owner SELECTION | list | input WINDOW | watch TITLE | popup\n");
    return 2;
}
