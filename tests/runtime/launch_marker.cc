// Started by the process-launch test: leaves a file to say it ran.
#include <stdio.h>

int main(int argc, char** argv) {
  if (argc != 2)
    return 2;
  FILE* marker = fopen(argv[1], "w");
  if (!marker)
    return 1;
  fputs("started", marker);
  return fclose(marker) == 0 ? 0 : 1;
}
