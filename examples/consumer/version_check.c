/* A C99 host: the version header compiles as C and the version function links by its plain name. */
#include <stdio.h>
#include <string.h>

#include <quorvel/version.h>

int main(void) {
    char numbers[64];
    snprintf(numbers, sizeof numbers, "%d.%d.%d", QUORVEL_ML_VERSION_MAJOR, QUORVEL_ML_VERSION_MINOR,
             QUORVEL_ML_VERSION_PATCH);
    printf("%s\n", qml_version());
    return strcmp(numbers, QUORVEL_ML_VERSION) == 0 && strcmp(qml_version(), QUORVEL_ML_VERSION) == 0 ? 0 : 1;
}
