/* The floor of the whole-program benchmark: a window with a web view that
   covers the primary screen and takes the page's title. */
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

static void on_title(WebKitWebView* view, GParamSpec* spec, gpointer window) {
  const char* title = webkit_web_view_get_title(view);
  (void)spec;
  if (title && *title) gtk_window_set_title(GTK_WINDOW(window), title);
}

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  if (argc != 2) return 2;
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (!monitor) monitor = gdk_display_get_monitor(display, 0);
  GdkRectangle screen;
  gdk_monitor_get_geometry(monitor, &screen);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_move(GTK_WINDOW(window), screen.x, screen.y);
  gtk_window_set_default_size(GTK_WINDOW(window), screen.width, screen.height);
  GtkWidget* view = webkit_web_view_new();
  gtk_container_add(GTK_CONTAINER(window), view);
  g_signal_connect(view, "notify::title", G_CALLBACK(on_title), window);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[1]);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
