// SPDX-License-Identifier: MIT
/* Finds the first sound in a recording of the sound server's output (raw or
 * WAV, 16-bit mono at 22050 Hz) after a given byte, and prints how many
 * milliseconds of recording lie between that byte and the sound.
 *
 *   bench-onset FILE FROM_BYTE [THRESHOLD]
 */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s FILE FROM_BYTE [THRESHOLD]\n", argv[0]);
        return 2;
    }
    FILE *f = fopen(argv[1], "rb");
    const long from = atol(argv[2]) & ~1L;
    const int threshold = argc > 3 ? atoi(argv[3]) : 1000;
    if (!f || fseek(f, from, SEEK_SET) != 0)
        return 2;
    short sample;
    for (long i = 0; fread(&sample, sizeof sample, 1, f) == 1; ++i) {
        if (abs(sample) > threshold) {
            printf("%ld\n", i * 1000 / 22050);
            return 0;
        }
    }
    return 1;
}
