// Fontconfig keeps the patterns of the fonts that Qt adds, and of its own
// configuration, for the whole run in memory LeakSanitizer cannot trace from
// here. They are not leaks of this program; the sanitizer build reads this.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
