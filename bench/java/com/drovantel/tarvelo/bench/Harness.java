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
        int count = scenarios.size();
        int[] iterations = new int[count];
        for (int i = 0; i < count; i++) {
            iterations[i] = calibrate(scenarios.get(i));
        }
        for (int round = 0; round < WARMUP_ROUNDS; round++) {
            for (int i = 0; i < count; i++) {
                sink += scenarios.get(i).run(iterations[i]);
            }
        }
        // Rounds of the scenarios alternate, so drift in the machine's speed (other load,
        // the emulator's translation cache) spreads over all of them alike.
        double[][] rounds = new double[count][MEASURED_ROUNDS];
        for (int round = 0; round < MEASURED_ROUNDS; round++) {
            for (int i = 0; i < count; i++) {
                long start = System.nanoTime();
                sink += scenarios.get(i).run(iterations[i]);
                rounds[i][round] = (double) (System.nanoTime() - start) / iterations[i] / opsPerIteration.get(i);
            }
        }
        System.out.printf("%n%s%n", group);
        System.out.printf("  %-48s %12s %10s%n", "scenario", "ns/op", "x floor");
        double floor = median(rounds[0]);
        for (int i = 0; i < count; i++) {
            double nanos = median(rounds[i]);
            System.out.printf("  %-48s %12.1f %10.2f%n", names.get(i), nanos, nanos / floor);
        }
    }

    private static double median(double[] values) {
        double[] sorted = values.clone();
        Arrays.sort(sorted);
        return sorted[sorted.length / 2];
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
