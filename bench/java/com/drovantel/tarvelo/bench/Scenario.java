package com.drovantel.tarvelo.bench;

/** One measured operation, repeated; returns a checksum so the work cannot be elided. */
interface Scenario {
    long run(int iterations);
}
