package com.example;

import java.util.LinkedList;

/** Greets someone by name, a number of times. */
public class Greeter implements Greeting {
    public static final String DEFAULT_NAME = "world";
    public static int created;

    public String name;
    public int times;
    private final LinkedList<String> greeted = new LinkedList<>();

    public Greeter() {
        this(DEFAULT_NAME);
    }

    public Greeter(String name) {
        this(name, 1);
    }

    public Greeter(String name, int times) {
        this.name = name;
        this.times = times;
        created++;
    }

    public static Greeter named(String name) {
        return new Greeter(name);
    }

    @Override
    public String greet() {
        return greet(name);
    }

    public String greet(String whom) {
        greeted.add(whom);
        return "Hello, " + whom + "!" + (times > 1 ? " x" + times : "");
    }

    public LinkedList<String> greeted() {
        return greeted;
    }

    public void rename(String newName) throws GreetingException {
        if (newName.isEmpty()) {
            throw new GreetingException("a greeter needs a name");
        }
        name = newName;
    }

    public Counter counter() {
        return new Counter();
    }

    /** Counts up from zero. */
    public static class Counter {
        public int count;

        public int next() {
            return ++count;
        }
    }
}
