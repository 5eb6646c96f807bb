package com.example;

public final class Greeter {
    static {
        System.loadLibrary("greeter");
    }

    public static native String greet(String name);

    public static native int parse(String text);

    public static void main(String[] args) {
        System.out.println(greet("C++"));
        System.out.println(parse("42") + 1);
        try {
            parse("forty-two");
        } catch (NumberFormatException e) {
            System.out.println("NumberFormatException: " + e.getMessage());
        }
    }
}
