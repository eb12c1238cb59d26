/* Watches the screen for the whole-program benchmark, on the clock that
   Python's time.monotonic_ns reads.

   watch TITLE RRGGBB X Y WIDTH HEIGHT TIMEOUT_MS
     prints "ready" once connected, then "titled NS" when a top-level window
     is named TITLE and "painted NS" when a whole row of the region has the
     colour; exits 0 when both were seen, 1 at the timeout.
   watch --close
     asks every top-level window to close, as a window manager's close button
     does, and prints "closed NS" with the time of the request. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static long long now_ns(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static int has_title(Display* d, Window w, Atom name_atom, Atom utf8,
                     const char* title) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* value = NULL;
  int match = 0;
  if (XGetWindowProperty(d, w, name_atom, 0, 1024, False, utf8, &type,
                         &format, &count, &after, &value) == Success &&
      value) {
    match = count == strlen(title) && memcmp(value, title, count) == 0;
    XFree(value);
  }
  return match;
}

static int any_titled(Display* d, const char* title) {
  Atom name_atom = XInternAtom(d, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  Window root_return, parent, *children = NULL;
  unsigned int count = 0;
  int found = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root_return, &parent, &children,
                  &count))
    return 0;
  for (unsigned int i = 0; i < count && !found; ++i)
    found = has_title(d, children[i], name_atom, utf8, title);
  if (children) XFree(children);
  return found;
}

/* True when a whole row of the region has the colour: the page may start
   lower down when the browser draws a title bar of its own. */
static int row_in_region(Display* d, unsigned long rgb, int x, int y, int w,
                         int h) {
  XImage* image = XGetImage(d, DefaultRootWindow(d), x, y, (unsigned)w,
                            (unsigned)h, AllPlanes, ZPixmap);
  if (!image) return 0;
  int found = 0;
  for (int j = 0; j < h && !found; ++j) {
    int all = 1;
    for (int i = 0; i < w && all; ++i)
      all = (XGetPixel(image, i, j) & 0xffffff) == rgb;
    found = all;
  }
  XDestroyImage(image);
  return found;
}

static int close_all(Display* d) {
  Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
  Atom del = XInternAtom(d, "WM_DELETE_WINDOW", False);
  Window root_return, parent, *children = NULL;
  unsigned int count = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root_return, &parent, &children,
                  &count))
    return 1;
  long long sent = now_ns();
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(d, children[i], &attributes) ||
        attributes.map_state != IsViewable)
      continue;
    XEvent event;
    memset(&event, 0, sizeof(event));
    event.xclient.type = ClientMessage;
    event.xclient.window = children[i];
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)del;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, children[i], False, NoEventMask, &event);
  }
  XSync(d, False);
  if (children) XFree(children);
  printf("closed %lld\n", sent);
  return 0;
}

/* Windows come and go while they are looked at; a request about one that
   has gone is not a fault here. */
static int ignore_error(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0;
}

int main(int argc, char** argv) {
  XSetErrorHandler(ignore_error);
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "watch: cannot open the display\n");
    return 2;
  }
  if (argc == 2 && strcmp(argv[1], "--close") == 0) return close_all(d);
  if (argc != 8) {
    fprintf(stderr, "usage: watch TITLE RRGGBB X Y WIDTH HEIGHT TIMEOUT_MS\n");
    return 2;
  }
  const char* title = argv[1];
  const unsigned long rgb = strtoul(argv[2], NULL, 16);
  const int x = atoi(argv[3]), y = atoi(argv[4]);
  const int w = atoi(argv[5]), h = atoi(argv[6]);
  const long long deadline = now_ns() + atoll(argv[7]) * 1000000LL;
  int titled = 0, painted = 0;
  printf("ready\n");
  fflush(stdout);
  const struct timespec pause = {0, 1000000};
  while (!(titled && painted)) {
    if (!titled && any_titled(d, title)) {
      titled = 1;
      printf("titled %lld\n", now_ns());
      fflush(stdout);
    }
    if (!painted && row_in_region(d, rgb, x, y, w, h)) {
      painted = 1;
      printf("painted %lld\n", now_ns());
      fflush(stdout);
    }
    if (now_ns() > deadline) return 1;
    nanosleep(&pause, NULL);
  }
  return 0;
}
