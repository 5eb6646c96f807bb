package com.example;

/** A greeting that cannot be given. */
public class GreetingException extends Exception {
    public GreetingException(String message) {
        super(message);
    }
}
