package com.drovantel.tarvelo.bench;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Times scenarios of one group side by side: each is calibrated to rounds of about
 * ROUND_NANOS, warmed up, then measured over several rounds; the median counts. Then each
 * is run once more while the JNI functions it calls are counted, and the group's goals
 * (ratios between two of its scenarios) are checked.
 */
final class Harness {
    private static final long ROUND_NANOS = 200_000_000L;
    // Five rounds were too few on a loaded machine: now and then a scenario was still measured
    // before its final compiled code was in place, at two to four times its usual cost.
    // Warm-up rounds are sized by the first calibration, on mostly interpreted code.
    private static final int WARMUP_ROUNDS = Integer.getInteger("tarvelo.bench.warmupRounds", 15);
    private static final int MEASURED_ROUNDS = 9;
    /** The counting run lasts about a twentieth of a round. */
    private static final int COUNTING_FRACTION = 20;
    private static final double CALLS_SETUP_TOLERANCE = 0.01;

    private final String group;
    private final List<String> names = new ArrayList<>();
    private final List<Scenario> scenarios = new ArrayList<>();
    private final List<Integer> opsPerIteration = new ArrayList<>();
    private final List<Goal> goals = new ArrayList<>();
    static long sink;

    /**
     * At most `maximum` times the reference's ns/op, or (calls) at most `maximum` JNI calls per
     * operation more than the reference.
     */
    private record Goal(String label, String scenario, String reference, double maximum, boolean calls) {}

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

    /** Scenarios of another peer, in order, each of operationsPerIteration operations. */
    Harness addAll(int operationsPerIteration, java.util.Map<String, Scenario> more) {
        more.forEach((name, scenario) -> add(name, operationsPerIteration, scenario));
        return this;
    }

    Harness addAll(java.util.Map<String, Scenario> more) {
        return addAll(1, more);
    }

    Harness goal(String label, String scenario, String reference, double maximum) {
        return addGoal(new Goal(label, scenario, reference, maximum, false));
    }

    Harness callsGoal(String label, String scenario, String reference, int extraCalls) {
        return addGoal(new Goal(label, scenario, reference, extraCalls, true));
    }

    private Harness addGoal(Goal goal) {
        if (!names.contains(goal.scenario) || !names.contains(goal.reference)) {
            throw new IllegalArgumentException("goal between unknown scenarios: " + goal.scenario + ", " + goal.reference);
        }
        goals.add(goal);
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
        // Calibrated again on compiled code: the first calibration ran mostly interpreted, so
        // its rounds would last a fraction of ROUND_NANOS once compiled.
        for (int i = 0; i < count; i++) {
            iterations[i] = calibrate(scenarios.get(i));
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
        double[] nanos = new double[count];
        String[] calledFunctions = new String[count];
        double[] jniCalls = new double[count];
        for (int i = 0; i < count; i++) {
            nanos[i] = median(rounds[i]);
            int n = Math.max(1, iterations[i] / COUNTING_FRACTION);
            long operations = (long) n * opsPerIteration.get(i);
            jniCalls[i] = Double.NaN;
            if (JniCallCounter.start()) {
                sink += scenarios.get(i).run(n);
                long calls = JniCallCounter.stop();
                if (calls >= 0) {
                    jniCalls[i] = (double) calls / operations;
                    calledFunctions[i] = JniCallCounter.calledFunctions(operations);
                }
            }
        }
        print(nanos, jniCalls, calledFunctions);
    }

    private void print(double[] nanos, double[] jniCalls, String[] calledFunctions) {
        System.out.printf("%n%s  (load average %s)%n", group, Bench.loadAverage());
        System.out.printf("  %-60s %10s %9s %9s%n", "scenario", "ns/op", "x floor", "JNI/op");
        for (int i = 0; i < names.size(); i++) {
            System.out.printf("  %-60s %10.1f %9.2f %9s%n", names.get(i), nanos[i], nanos[i] / nanos[0],
                    callsText(jniCalls[i]));
        }
        for (int i = 0; i < names.size(); i++) {
            if (calledFunctions[i] != null && !calledFunctions[i].isEmpty()) {
                System.out.printf("  JNI functions per op, %s: %s%n", names.get(i), calledFunctions[i]);
            }
        }
        for (Goal goal : goals) {
            int scenario = names.indexOf(goal.scenario);
            int reference = names.indexOf(goal.reference);
            if (goal.calls) {
                double extra = jniCalls[scenario] - jniCalls[reference];
                // A loop's one-time set-up (a proxy made before it) shows as a few thousandths.
                boolean met = extra <= goal.maximum + CALLS_SETUP_TOLERANCE;
                System.out.printf("  goal %s: JNI calls of %s - %s = %s, at most %.0f: %s%n", goal.label, goal.scenario,
                        goal.reference, callsText(extra), goal.maximum, met ? "met" : "MISSED");
            } else {
                double ratio = nanos[scenario] / nanos[reference];
                System.out.printf("  goal %s: %s / %s = %.2f, at most %.2f: %s%n", goal.label, goal.scenario,
                        goal.reference, ratio, goal.maximum, ratio <= goal.maximum ? "met" : "MISSED");
            }
        }
    }

    /** Whole numbers as such; amortised calls (a lookup per loop of callbacks) to 3 places. */
    private static String callsText(double calls) {
        if (Double.isNaN(calls)) {
            return "?";
        }
        return calls == Math.rint(calls) ? String.valueOf((long) calls) : String.format("%.3f", calls);
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
