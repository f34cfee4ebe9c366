/* Small X queries the end-to-end bench cannot make with the stock tools.
 *
 *   e2e-xprobe selection-owner NAME   prints the owner window of the selection
 *                                     NAME in decimal (0 when it has none);
 *                                     exits 1 when there is no owner.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

static int selection_owner(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    if (!atom)
        return 2;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), NULL);
    free(atom);
    if (!owner)
        return 2;
    xcb_window_t w = owner->owner;
    free(owner);
    printf("%u\n", (unsigned)w);
    return w ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc != 3 || strcmp(argv[1], "selection-owner") != 0) {
        fprintf(stderr, "usage: %s selection-owner NAME\n", argv[0]);
        return 2;
    }
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 2;
    }
    int rc = selection_owner(c, argv[2]);
    xcb_disconnect(c);
    return rc;
}
