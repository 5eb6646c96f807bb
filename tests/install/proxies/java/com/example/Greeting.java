package com.example;

/** Something that greets. */
public interface Greeting {
    String greet();
}
