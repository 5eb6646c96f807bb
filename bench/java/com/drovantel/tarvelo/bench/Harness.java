package com.drovantel.tarvelo.bench;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Times scenarios of one group side by side: each is calibrated to rounds of about
 * ROUND_NANOS, warmed up, then measured over several rounds; the median counts.
 */
final class Harness {
    private static final long ROUND_NANOS = 200_000_000L;
    private static final int WARMUP_ROUNDS = 5;
    private static final int MEASURED_ROUNDS = 9;

    private final String group;
    private final List<String> names = new ArrayList<>();
    private final List<Scenario> scenarios = new ArrayList<>();
    private final List<Integer> opsPerIteration = new ArrayList<>();
    static long sink;

    Harness(String group) {
        this.group = group;
    }

    /** The first scenario added is the floor of the group. */
    Harness add(String name, Scenario scenario) {
        return add(name, 1, scenario);
    }

    Harness add(String name, int operationsPerIteration, Scenario scenario) {
        names.add(name);
        scenarios.add(scenario);
        opsPerIteration.add(operationsPerIteration);
        return this;
    }

    void run() {
        double[] nanos = new double[scenarios.size()];
        for (int i = 0; i < scenarios.size(); i++) {
            nanos[i] = measure(scenarios.get(i)) / opsPerIteration.get(i);
        }
        System.out.printf("%n%s%n", group);
        System.out.printf("  %-44s %12s %10s%n", "scenario", "ns/op", "x floor");
        for (int i = 0; i < nanos.length; i++) {
            System.out.printf("  %-44s %12.1f %10.2f%n", names.get(i), nanos[i], nanos[i] / nanos[0]);
        }
    }

    private static double measure(Scenario scenario) {
        int iterations = calibrate(scenario);
        for (int i = 0; i < WARMUP_ROUNDS; i++) {
            sink += scenario.run(iterations);
        }
        double[] rounds = new double[MEASURED_ROUNDS];
        for (int i = 0; i < MEASURED_ROUNDS; i++) {
            long start = System.nanoTime();
            sink += scenario.run(iterations);
            rounds[i] = (double) (System.nanoTime() - start) / iterations;
        }
        Arrays.sort(rounds);
        return rounds[MEASURED_ROUNDS / 2];
    }

    private static int calibrate(Scenario scenario) {
        int iterations = 16;
        while (true) {
            long start = System.nanoTime();
            sink += scenario.run(iterations);
            long elapsed = System.nanoTime() - start;
            if (elapsed >= ROUND_NANOS / 4 || iterations >= (1 << 26)) {
                return (int) Math.max(16, Math.min(1L << 28, iterations * ROUND_NANOS / Math.max(1, elapsed)));
            }
            iterations *= 4;
        }
    }
}
